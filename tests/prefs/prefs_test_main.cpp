// wxConfig and wxFileHistory need the toolkit's base initialised; no display.
#include <gtest/gtest.h>

#include <wx/init.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit(argc, argv);
    if (!toolkit.IsOk()) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
