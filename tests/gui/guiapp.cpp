#include "guiapp.h"

#include <gtest/gtest.h>

namespace {

class TestApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
            app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    static inline int argc_ = 1;
    static inline char arg0_[] = "test_gui";
    static inline char* argv_[] = {arg0_, nullptr};
    QApplication* app_ = nullptr;
};

::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);

} // namespace

QApplication& TestApplication()
{
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}
