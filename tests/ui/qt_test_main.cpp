// The UI tests run inside one QApplication, created when the tests start (not when they are only
// listed, so that listing needs no display).
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
  public:
    QtApplicationEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
