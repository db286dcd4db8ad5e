#include "documents/slowdown_order.h"

std::vector<std::string> righe_rallentamenti() {
  return {};
}
