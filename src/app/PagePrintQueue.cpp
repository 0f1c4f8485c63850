#include "app/PagePrintQueue.h"

namespace korva {

void PagePrintQueue::runEnded() {
    if (!pages_.empty() && show_) show_(pages_.front());
    pages_.clear();
}

}  // namespace korva
