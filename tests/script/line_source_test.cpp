// The line source at the edges of its positions: the 299-byte limit, the
// line end after a full piece, seeks back to remembered line starts.
#include "script/line_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/unreadable_file.h"

using tesmar::script::CleanLine;
using tesmar::script::LineSource;
using Piece = LineSource::Piece;

namespace {

class LineSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = std::filesystem::temp_directory_path() /
            ("tesmar-lines-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
  }
  void TearDown() override { std::filesystem::remove(file_); }

  void Open(const std::string& bytes) {
    std::ofstream(file_, std::ios::binary) << bytes;
    ASSERT_EQ(source_.Open(file_.string()), LineSource::Opened::kOk);
  }
  // Every piece to the end, as (kind, text) pairs.
  std::vector<std::pair<Piece, std::string>> ReadAll() {
    std::vector<std::pair<Piece, std::string>> out;
    std::string line;
    for (Piece p; (p = source_.Read(line)) != Piece::kEnd;) out.emplace_back(p, line);
    return out;
  }

  std::filesystem::path file_;
  LineSource source_;
};

const std::string k299(LineSource::kLinePiece, 'x');

}  // namespace

TEST_F(LineSourceTest, linesKeepTheirLineEndsAndTheLastNeedsNone) {
  Open("a\r\nb\n\nc");
  EXPECT_EQ(ReadAll(), (std::vector<std::pair<Piece, std::string>>{{Piece::kLine, "a\r\n"},
                                                                   {Piece::kLine, "b\n"},
                                                                   {Piece::kLine, "\n"},
                                                                   {Piece::kLine, "c"}}));
}

TEST_F(LineSourceTest, aFullPieceIsWholeWhenOnlyItsLineEndFollows) {
  // LF, CR LF, and stray control bytes before the LF.
  for (const std::string end : {"\n", "\r\n", "\r\t\r\n"}) {
    Open(k299 + end + "y\n");
    // The line end arrives as a line of its own, then the next line.
    EXPECT_EQ(ReadAll(), (std::vector<std::pair<Piece, std::string>>{
                             {Piece::kLine, k299}, {Piece::kLine, end}, {Piece::kLine, "y\n"}}));
  }
  // A full piece at the end of the file.
  Open(k299);
  EXPECT_EQ(ReadAll(), (std::vector<std::pair<Piece, std::string>>{{Piece::kLine, k299}}));
}

TEST_F(LineSourceTest, oneVisibleByteOverTheLimitIsTooLongAndPassedOverWhole) {
  Open(k299 + "z\r\nnext\n");
  std::string line;
  EXPECT_EQ(source_.Read(line), Piece::kTooLong);
  EXPECT_EQ(line, k299);               // the first piece, for the skip's search
  EXPECT_EQ(source_.Position(), 302);  // after the LF
  EXPECT_EQ(source_.Read(line), Piece::kLine);
  EXPECT_EQ(line, "next\n");
  EXPECT_EQ(source_.Read(line), Piece::kEnd);
}

TEST_F(LineSourceTest, seekReturnsToARememberedLineStartAndLineNumbersCountFromOne) {
  Open("one\n" + k299 + "\ntwo\nthree\n");
  std::string line;
  source_.Read(line);
  source_.Read(line);
  source_.Read(line);  // the empty line after the full piece
  const long two = source_.Position();
  EXPECT_EQ(two, 4 + 300);
  source_.Read(line);
  EXPECT_EQ(line, "two\n");
  source_.Read(line);
  source_.Seek(two);
  source_.Read(line);
  EXPECT_EQ(line, "two\n");
  // Line numbers are the file's, and asking leaves the position alone.
  const long after = source_.Position();
  EXPECT_EQ(source_.LineNumberAt(0), 1);
  EXPECT_EQ(source_.LineNumberAt(4), 2);
  EXPECT_EQ(source_.LineNumberAt(two), 3);
  EXPECT_EQ(source_.Position(), after);
}

TEST_F(LineSourceTest, aNulByteIsPartOfTheLine) {
  Open(std::string("a\0b\n", 4));
  std::string line;
  EXPECT_EQ(source_.Read(line), Piece::kLine);
  EXPECT_EQ(line, std::string("a\0b\n", 4));
}

TEST_F(LineSourceTest, openingAndReadingFailuresAreToldApart) {
  EXPECT_EQ(source_.Open(std::filesystem::temp_directory_path().string()),
            LineSource::Opened::kNotAFile);
  EXPECT_EQ(source_.Open("/nonexistent/s.txt"), LineSource::Opened::kCannotOpen);
  ASSERT_EQ(source_.Open(tesmar::test::UnreadableFile()), LineSource::Opened::kOk);
  std::string line = "before";
  EXPECT_EQ(source_.Read(line), Piece::kReadError);
  EXPECT_EQ(line, "before");  // nothing of a failed read is handed out
  EXPECT_EQ(source_.ReadError(), tesmar::test::UnreadableFileReason());
}

TEST(CleanLine, controlBytesLeaveTheEndAndTrimmingTakesBlanksFromBoth) {
  EXPECT_EQ(CleanLine("  21731942; \r\n", false), "  21731942; ");
  EXPECT_EQ(CleanLine("  21731942; \r\n", true), "21731942;");
  EXPECT_EQ(CleanLine("\t+a\x01\x1f", true), "+a");
  EXPECT_EQ(CleanLine("\r\n", true), "");
}
