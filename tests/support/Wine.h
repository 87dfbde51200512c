// Whether the tests run under Wine, for the few Windows behaviours Wine does not have.
#pragma once

bool UnderWine();
