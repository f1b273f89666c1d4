// ConsoleWriter: what is written is delivered whole and in order, on a flush and when its buffer
// fills, and nothing after a delivery that failed.
#include "foundation/console_writer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tessark {
namespace {

// Keeps each delivery apart; refuses the delivery numbered `refused` (from 0) and any after it.
class Deliveries : public ConsoleWriter {
 public:
  explicit Deliveries(bool eachLine = false, std::size_t refused = 1000)
      : ConsoleWriter(eachLine ? Delivery::eachLine : Delivery::whenFull), refused_(refused) {}
  std::vector<std::string> taken;

 protected:
  bool deliver(std::string_view bytes) override {
    if (taken.size() >= refused_) return false;
    taken.emplace_back(bytes);
    return true;
  }

 private:
  std::size_t refused_;
};

TEST(ConsoleWriter, DeliversInOrderWhenFullAndWhenAsked) {
  Deliveries out;
  const std::string menu(3000, 'm');
  out << menu << menu << 'x';
  ASSERT_EQ(out.taken.size(), 1u);  // the first full buffer
  EXPECT_TRUE(out.flush());
  EXPECT_TRUE(out.flush());  // nothing left: nothing delivered
  ASSERT_EQ(out.taken.size(), 2u);
  EXPECT_EQ(out.taken[0].size(), 4096u);
  EXPECT_EQ(out.taken[0] + out.taken[1], menu + menu + "x");
}

TEST(ConsoleWriter, AFailedDeliveryDropsEverythingAfterIt) {
  Deliveries out(false, 1);
  out << "shown\n";
  EXPECT_TRUE(out.flush());
  out << "lost\n";
  EXPECT_FALSE(out.flush());
  out << std::string(5000, 'x') << "also lost\n";
  EXPECT_FALSE(out.flush());
  EXPECT_EQ(out.taken, std::vector<std::string>{"shown\n"});
}

TEST(ConsoleWriter, EachLineDeliversEveryMessageWholeAtOnce) {
  Deliveries err(true);
  const std::string_view stream = "input";
  err << "Tessark: standard " << stream << " is closed.";
  EXPECT_TRUE(err.taken.empty());
  err << '\n';
  err << "Tessark: there is not enough memory to go on.\n";
  EXPECT_EQ(err.taken,
            (std::vector<std::string>{"Tessark: standard input is closed.\n",
                                      "Tessark: there is not enough memory to go on.\n"}));
}

}  // namespace
}  // namespace tessark
