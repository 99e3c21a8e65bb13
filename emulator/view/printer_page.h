// The printer's page: one HTML file with its style and script inside, so the
// process serves everything the browser needs and no network is involved.
// Built from page/printer_page.html.
#pragma once

namespace mdx::emulator::view {

const char* PrinterPageHtml();

}  // namespace mdx::emulator::view
