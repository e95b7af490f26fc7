#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>
#include <algorithm>

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

bool HasUnmaskedPixels(const wxImage& image) {
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (!image.IsTransparent(x, y)) {
                return true;
            }
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

// Columns with something drawn above the body of a 16-pixel padlock (rows 0
// to 6) and nothing from row 9 down: the end of a shackle standing free.
int FreeShackleColumns(ArtId id) {
    const wxImage image = ArtBundle(id, wxSize(16, 16)).GetBitmap(wxDefaultSize).ConvertToImage();
    int columns = 0;
    for (int x = 0; x < image.GetWidth(); ++x) {
        bool above = false;
        bool below = false;
        for (int y = 0; y < image.GetHeight(); ++y) {
            const bool drawn = image.GetAlpha(x, y) > 64;
            above = above || (drawn && y < 7);
            below = below || (drawn && y >= 9);
        }
        columns += above && !below ? 1 : 0;
    }
    return columns;
}

TEST(Art, TheOpenPadlockStandsOpenAtSixteenPixels) {
    EXPECT_GE(FreeShackleColumns(ArtId::LockOpen), 1);
    EXPECT_EQ(FreeShackleColumns(ArtId::LockClosed), 0);
}

TEST(Art, DisabledPicturesAreGreyPaleAndAsOpaqueAsTheirPicture) {
    for (int i = static_cast<int>(ArtId::FileNew); i <= static_cast<int>(ArtId::EditUrl); ++i) {
        const auto id = static_cast<ArtId>(i);
        const wxImage normal =
            ArtBundle(id, wxSize(20, 20)).GetBitmap(wxDefaultSize).ConvertToImage();
        const wxImage disabled =
            DisabledArtBundle(id, wxSize(20, 20)).GetBitmap(wxDefaultSize).ConvertToImage();
        ASSERT_EQ(disabled.GetSize(), wxSize(20, 20)) << i;
        ASSERT_TRUE(disabled.HasAlpha()) << i;
        int paler = 0;
        int darkest = 255;  // of the opaque pixels
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                EXPECT_EQ(disabled.GetRed(x, y), disabled.GetGreen(x, y)) << i;
                EXPECT_EQ(disabled.GetGreen(x, y), disabled.GetBlue(x, y)) << i;
                EXPECT_EQ(disabled.GetAlpha(x, y), normal.GetAlpha(x, y)) << i;
                const int before =
                    normal.GetRed(x, y) + normal.GetGreen(x, y) + normal.GetBlue(x, y);
                paler += normal.GetAlpha(x, y) > 0 && disabled.GetRed(x, y) * 3 > before ? 1 : 0;
                if (disabled.GetAlpha(x, y) >= 128) {
                    darkest = std::min(darkest, int(disabled.GetRed(x, y)));
                }
            }
        }
        EXPECT_GT(paler, 0) << i;
        // Still seen on a light toolbar.
        EXPECT_LE(darkest, 192) << i;
        // What a toolkit that masks by opacity keeps of it.
        wxImage masked = disabled.Copy();
        masked.ConvertAlphaToMask();
        EXPECT_TRUE(HasUnmaskedPixels(masked)) << i;
    }
}

}  // namespace
}  // namespace quillox
