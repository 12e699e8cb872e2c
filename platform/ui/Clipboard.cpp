#include "Clipboard.h"

namespace ui::Clipboard {
namespace {
std::string& Content() {
    thread_local std::string text;
    return text;
}
}  // namespace

void Clear() { Content().clear(); }
void SetText(const std::string& text) { Content() = text; }
std::string GetText() { return Content(); }
void Reset() { Content().clear(); }

}  // namespace ui::Clipboard
