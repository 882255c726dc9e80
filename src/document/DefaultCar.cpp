#include <string_view>

#include "document/CarDocument.h"

namespace rw {

// resources/default-car.ini, compiled in (the source is generated at build
// time), so a new car never depends on a file found at run time.
std::string_view DefaultCarBytes();

void BuildDefaultCar(ConfigTree& tree) {
    tree.ReadText(DefaultCarBytes());
}

}  // namespace rw
