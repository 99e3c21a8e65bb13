#include "view/view_fixture.h"

#include "emulator/sale_frames.h"
#include "emulator/view/view_snapshot.h"

namespace mdx::emulator::view::test {

using emulator::test::ItemFrame;

ViewTest::ViewTest() {
  auto wrapped = std::make_unique<SharedPrinter>(std::move(printer));
  shared = wrapped.get();
  printer = std::move(wrapped);
}

nlohmann::json ViewTest::View(uint64_t since) const {
  return nlohmann::json::parse(ViewSnapshot(*shared, since));
}

void ViewTest::OpenCouponWithItem() {
  ASSERT_EQ(Send("17"), ".+0000");
  ASSERT_EQ(Send(ItemFrame("7", 1000, 1000, 1000, "CAFE")), ".+0000");
}

}  // namespace mdx::emulator::view::test
