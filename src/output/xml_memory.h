#pragma once

namespace quillox::output {

// Has libxml2 allocate through functions that wipe every block they free,
// and the old block of every one they move: the XML export's nodes and its
// encoder's buffers hold card texts in the clear, which would otherwise stay
// in freed memory. Called once by both programs at start, before anything
// uses libxml2. The blocks stay the C library's own, so a block allocated
// before, or freed by a library with free, is still handled right.
void WipeXmlMemoryOnFree();

}  // namespace quillox::output
