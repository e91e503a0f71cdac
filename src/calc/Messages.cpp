#include "Messages.h"

namespace corbel {

std::string_view Title(MessageKind kind) {
    return kind == MessageKind::Confirm ? "Confirm" : "Information";
}

}  // namespace corbel
