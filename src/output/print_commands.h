#pragma once

namespace quillox {

class CQuilloxNewDoc;

namespace output {

// File > Print: the print dialog, then the pages of the cards the category
// bar selects. The printer and paper chosen are kept for the next job.
void PrintCards(CQuilloxNewDoc& document);

// File > Print Preview: the same pages in a preview window over the main
// window, which stays disabled until the preview closes; the category bar
// hides meanwhile. False, after saying so, when no preview could be made.
bool PreviewCards(CQuilloxNewDoc& document);

}  // namespace output
}  // namespace quillox
