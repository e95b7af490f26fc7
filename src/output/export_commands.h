#pragma once

class wxWindow;

namespace quillox {

class CQuilloxNewDoc;

namespace output {

// File > Export To Text: asks for a file and writes every card of document
// there as readable text; a failure is shown with the file and its cause.
void ExportToText(const CQuilloxNewDoc& document, wxWindow* parent);

// File > Export To XML: warns that the file is not encrypted, asks for a file
// and writes every card there as UTF-16 XML; a failure is shown with the file
// and the reason.
void ExportToXml(const CQuilloxNewDoc& document, wxWindow* parent);

}  // namespace output
}  // namespace quillox
