#include "tests/support/Wine.h"

bool UnderWine() {
    return false;
}
