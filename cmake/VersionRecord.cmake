# The program's version record: the one place that names the version, the
# company and the addresses. The version numbers come from project(); the
# generated header (src/version), the Windows version resource, the manual
# pages, the AppStream release and the package all take their values from here.
set(QUILLOX_COMPANY_NAME "QMT")
set(QUILLOX_FILE_DESCRIPTION "Quillox")
set(QUILLOX_FILE_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR}")
set(QUILLOX_INTERNAL_NAME "Quillox")
set(QUILLOX_PRODUCT_NAME "QMT Quillox")
if(PROJECT_VERSION_TWEAK STREQUAL "")
    set(QUILLOX_VERSION_TWEAK 0)
else()
    set(QUILLOX_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
endif()
set(QUILLOX_PRODUCT_VERSION
    "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, ${QUILLOX_VERSION_TWEAK}")
set(QUILLOX_LEGAL_COPYRIGHT "Copyright (C) 2026 QMT")
# The record has no comments; the About box shows the line with an empty value.
set(QUILLOX_COMMENTS "")

set(QUILLOX_HOME_PAGE "${PROJECT_HOMEPAGE_URL}")
set(QUILLOX_CONTACT_ADDRESS "quillox@users.noreply.github.com")
# The day this version was released, for the manual pages and AppStream.
set(QUILLOX_RELEASE_DATE "2026-12-08")
