#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>

#include "ui/art/art.h"
#include "ui/gui_test_support.h"

class ArtTestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

wxApp* CreateTestApp() {
    return new ArtTestApp;
}

namespace quillox {
namespace {

// True when some pixel is drawn: a picture that fails to parse comes out
// fully transparent.
bool HasDrawnPixels(const wxBitmap& bitmap) {
    const wxImage image = bitmap.ConvertToImage();
    if (!image.HasAlpha()) {
        return true;
    }
    const unsigned char* alpha = image.GetAlpha();
    for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i) {
        if (alpha[i] != 0) {
            return true;
        }
    }
    return false;
}

TEST(Art, EveryPictureIsBuiltInAndDrawsAtItsSize) {
    for (int i = static_cast<int>(ArtId::FileNew); i <= static_cast<int>(ArtId::AppIcon); ++i) {
        const wxBitmapBundle bundle = ArtBundle(static_cast<ArtId>(i), wxSize(20, 20));
        ASSERT_TRUE(bundle.IsOk()) << i;
        const wxBitmap bitmap = bundle.GetBitmap(wxDefaultSize);
        EXPECT_EQ(bitmap.GetSize(), wxSize(20, 20)) << i;
        EXPECT_TRUE(HasDrawnPixels(bitmap)) << i;
    }

    const wxBitmap splash = SplashBitmap();
    ASSERT_TRUE(splash.IsOk());
    EXPECT_EQ(splash.GetSize(), wxSize(400, 250));
    EXPECT_TRUE(HasDrawnPixels(splash));

    const wxIconBundle icons = AppIcons();
    ASSERT_EQ(icons.GetIconCount(), 3u);
    for (int side : {16, 32, 48}) {
        EXPECT_EQ(icons.GetIconOfExactSize(wxSize(side, side)).GetSize(), wxSize(side, side));
    }
}

}  // namespace
}  // namespace quillox
