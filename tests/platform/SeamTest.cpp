#include "platform/Seam.h"

#include <gtest/gtest.h>

#include "platform/Installed.h"

namespace {

struct Piece {
  int id = 0;
};

Piece& RealPiece() {
  static Piece real{1};
  return real;
}

Piece* SetPiece(Piece* piece);

platform::Seam<Piece> s_seam(&RealPiece);

Piece* SetPiece(Piece* piece) {
  return s_seam.Set(piece);
}

}  // namespace

// The real piece until one is installed; Set gives back what it replaces
// (null for the real one) and null restores the real one; platform::Installed
// puts back what was there, nested installs included.
TEST(Seam, InstallsRestoresAndNests) {
  Piece first{2}, second{3};
  EXPECT_EQ(s_seam.Get().id, 1);
  EXPECT_EQ(SetPiece(&first), nullptr);
  EXPECT_EQ(s_seam.Get().id, 2);
  EXPECT_EQ(SetPiece(nullptr), &first);
  EXPECT_EQ(s_seam.Get().id, 1);
  {
    platform::Installed outer(first, &SetPiece);
    {
      platform::Installed inner(second, &SetPiece);
      EXPECT_EQ(s_seam.Get().id, 3);
    }
    EXPECT_EQ(s_seam.Get().id, 2);
  }
  EXPECT_EQ(s_seam.Get().id, 1);
}
