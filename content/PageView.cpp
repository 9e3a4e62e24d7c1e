#include "content/PageView.h"

namespace qm {
namespace {
PageView* current = nullptr;
}
PageView* CurrentPageView() { return current; }
void SetPageView(PageView* view) { current = view; }
} // namespace qm
