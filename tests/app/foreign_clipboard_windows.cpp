#include "app/foreign_clipboard.h"

#include <windows.h>

#include "store/wide_text_windows.h"

namespace {

std::string FormatName(UINT format) {
    if (format == CF_UNICODETEXT) {
        return "CF_UNICODETEXT";
    }
    wchar_t name[256];
    const int length = GetClipboardFormatNameW(format, name, 256);
    return length > 0 ? quillox::NarrowToUtf8(std::wstring(name, length))
                      : "#" + std::to_string(format);
}

// Retried: the program may still hold the clipboard open for a moment.
bool OpenTheClipboard() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

}  // namespace

std::vector<std::string> ForeignClipboardFormats() {
    std::vector<std::string> formats;
    if (!OpenTheClipboard()) {
        return formats;
    }
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        formats.push_back(FormatName(format));
    }
    CloseClipboard();
    return formats;
}

std::string ForeignClipboardData(const std::string& format) {
    const UINT id = format == "CF_UNICODETEXT"
                        ? CF_UNICODETEXT
                        : RegisterClipboardFormatW(quillox::WidenUtf8(format).c_str());
    std::string content;
    if (!OpenTheClipboard()) {
        return content;
    }
    if (HANDLE data = GetClipboardData(id)) {
        if (const void* bytes = GlobalLock(data)) {
            if (id == CF_UNICODETEXT) {
                content = quillox::NarrowToUtf8(std::wstring(static_cast<const wchar_t*>(bytes)));
            } else {
                content.assign(static_cast<const char*>(bytes), GlobalSize(data));
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return content;
}
