#include "search/engine.h"

namespace xq {

void Engine::sortByHistory(MoveList& list) const {
    HistoryOrder order(historyTable, list);
    order.settleAll();
}

}  // namespace xq
