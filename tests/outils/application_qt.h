#pragma once
// One QApplication for a whole test program, on the offscreen platform unless
// the environment chose another one. Include it once per test program.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace outils {

class ApplicationQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nom[] = "vivezezi-tests";
        static char *argv[] = {nom, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

inline const auto *const environnement_qt = ::testing::AddGlobalTestEnvironment(new ApplicationQt);

} // namespace outils
