#include <wx/app.h>

#include "app/quillox_app.h"

int main(int argc, char** argv) {
    wxApp::SetInstance(new quillox::QuilloxApp);
    return wxEntry(argc, argv);
}
