// DayTest: the package and the virtual printer (PackageTest), for the
// fiscal-day and cash operations.
#pragma once

#include <gtest/gtest.h>

#include "support/package_fixture.h"

namespace mdx::test {

using Text = const AnsiString&;

class DayTest : public PackageTest {};

}  // namespace mdx::test
