// Text maps: the UTF-8 reader, layouts in rows and wrapped, positions, the
// reveal animations and drawing, in a real OpenGL context.
#include <GL/glew.h>

#include "support/Fonts.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "zelk/GU.h"
#include "zelk/fonts/FontMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

using zelk::color4f32;
using zelk::GU;
using zelk::size2ui32;
using zelk::vec2ui32;
using zelk::fonts::FontCallback;
using zelk::fonts::FontMap;
using zelk::test::FontMapProbe;

static_assert(!std::is_copy_constructible<FontMap>::value, "a text map is not copied");
static_assert(!std::is_copy_assignable<FontMap>::value, "a text map is not copied");

namespace {

class FontMapTest : public zelk::test::FontsGLTest {
protected:
    // The map's rows as text: each cell its character, '.' for an empty one.
    std::string rows() {
        std::string all;
        for (unsigned int y = 0; y < map->getMapSizeHeight(); y++) {
            all += y > 0 ? "|" : "";
            for (unsigned int x = 0; x < map->getMapSizeWidth(); x++) {
                unsigned int id = map->cell(x, y);
                all += id == 0 ? '.' : static_cast<char>(id);
            }
        }
        return all;
    }

    // The id read at the bytes, with the bytes it took.
    std::pair<unsigned int, unsigned int> read(const std::vector<unsigned char>& bytes) {
        // Exactly the bytes and the terminator, so that reading past it is caught.
        std::unique_ptr<char[]> text(new char[bytes.size() + 1]);
        for (size_t i = 0; i < bytes.size(); i++) {
            text[i] = static_cast<char>(bytes[i]);
        }
        text[bytes.size()] = 0;
        unsigned char used = 0;
        unsigned int id = map->getTileID(text.get(), &used);
        return {id, used};
    }

    // Made once the context is current, so that the built-in font loads.
    void SetUp() override {
        FontsGLTest::SetUp();
        map.emplace();
    }
    void TearDown() override {
        map.reset();
        FontsGLTest::TearDown();
    }

    std::optional<FontMapProbe> map;
};

typedef std::pair<unsigned int, unsigned int> Read;

} // namespace

TEST_F(FontMapTest, BytesAreReadUnsignedAndLatinLettersFromUTF8) {
    EXPECT_EQ(Read(65, 1), read({'A'}));
    EXPECT_EQ(Read(0xE9, 1), read({0xE9})) << "a lone Latin-1 byte is itself";
    EXPECT_EQ(Read(0xC9, 2), read({0xC3, 0x89}));
    EXPECT_EQ(Read(0xC3, 1), read({0xC3, 0x85})) << "a letter the font does not map";
    EXPECT_EQ(Read(32, 2), read({0xC4, 0xA9}));
    EXPECT_EQ(Read(32, 2), read({0xC5, 0xA9}));
    EXPECT_EQ(Read(0xC4, 1), read({0xC4, 0x41}));
    EXPECT_EQ(Read(32, 3), read({0xE1, 0xBA, 0xBD}));
    EXPECT_EQ(Read(0xE1, 1), read({0xE1, 0xBA}));
    EXPECT_EQ(Read(0xE1, 1), read({0xE1}));
    EXPECT_EQ(Read(0xC3, 1), read({0xC3}));
    EXPECT_EQ(Read(0xC5, 1), read({0xC5}));
    EXPECT_EQ(Read(0, 1), read({}));

    unsigned char used = 0;
    EXPECT_EQ(0u, map->getTileID(static_cast<char*>(nullptr), &used));
    EXPECT_EQ(0u, map->getTileID("A", nullptr));
}

TEST_F(FontMapTest, TheLatinLettersMappedFromC3AreExactlyTheTablesSubset) {
    const std::vector<unsigned int> unmapped{0x85, 0x86, 0x90, 0x97, 0x98, 0x9E, 0x9F,
                                             0xA5, 0xA6, 0xB0, 0xB7, 0xB8, 0xBE, 0xBF};
    for (unsigned int second = 1; second < 256; second++) {
        bool mapped = second >= 0x80 && second <= 0xBF &&
                      std::find(unmapped.begin(), unmapped.end(), second) == unmapped.end();
        Read expected = mapped ? Read(second + 0x40, 2) : Read(0xC3, 1);
        EXPECT_EQ(expected, read({0xC3, static_cast<unsigned char>(second)})) << second;
    }
}

TEST_F(FontMapTest, TextIsLaidOutOneRowPerLine) {
    ASSERT_TRUE(map->createStringMap("AB"));
    EXPECT_EQ(size2ui32(2u, 1u), map->getMapSize());
    EXPECT_EQ(65u, map->cell(0, 0));
    EXPECT_EQ(66u, map->cell(1, 0));

    ASSERT_TRUE(map->createStringMap("ab\n\ncd"));
    EXPECT_EQ("ab|..|cd", rows());
    ASSERT_TRUE(map->createStringMap("ab\r\ncd")) << "a CR LF pair is two breaks";
    EXPECT_EQ("ab|..|cd", rows());
    ASSERT_TRUE(map->createStringMap("\nPLAY WITH\nBOX\n"));
    EXPECT_EQ("PLAY WITH|BOX......", rows());
    ASSERT_TRUE(map->createStringMap("\xC3\x89tat \xC3\x85"));
    EXPECT_EQ((std::vector<unsigned int>{0xC9, 't', 'a', 't', ' ', 0xC3, 0x85}),
              (std::vector<unsigned int>{map->cell(0, 0), map->cell(1, 0), map->cell(2, 0),
                                         map->cell(3, 0), map->cell(4, 0), map->cell(5, 0),
                                         map->cell(6, 0)}));

    ASSERT_TRUE(map->createStringMap("\n\n"));
    EXPECT_EQ(size2ui32(1u, 1u), map->getMapSize());
    EXPECT_EQ(0u, map->cell(0, 0));
}

TEST_F(FontMapTest, NothingToLayOutGivesFalseAndKeepsTheText) {
    ASSERT_TRUE(map->createStringMap("AB"));
    EXPECT_FALSE(map->createStringMap(""));
    EXPECT_FALSE(map->createStringMap("\n"));
    EXPECT_FALSE(map->createStringMap(static_cast<char*>(nullptr)));
    EXPECT_FALSE(map->createStringMap("AB", 0));
    EXPECT_FALSE(map->createStringMap(static_cast<char*>(nullptr), 5));
    EXPECT_FALSE(map->createStringMap("AB", 4000000000u)) << "wider than any tile map";
    EXPECT_EQ("AB", rows());

    map->deleteMap();
    EXPECT_FALSE(map->haveText());
    EXPECT_EQ(size2ui32(0u, 0u), map->getMapSize());
}

TEST_F(FontMapTest, WrappedTextBreaksBetweenWordsAndCutsLongOnes) {
    ASSERT_TRUE(map->createStringMap("hello world", 5));
    EXPECT_EQ("hello| ....|world", rows());
    ASSERT_TRUE(map->createStringMap("abcdefg", 5));
    EXPECT_EQ("abcde|fg...", rows());
    ASSERT_TRUE(map->createStringMap("a bc\nde", 8)) << "one break joins the lines";
    EXPECT_EQ("a bcde..", rows());
    ASSERT_TRUE(map->createStringMap("ab\n\ncd", 3)) << "two breaks start a row";
    EXPECT_EQ("ab.|cd.", rows());
    ASSERT_TRUE(map->createStringMap("ab\r\n\r\ncd", 3));
    EXPECT_EQ("ab.|...|...|cd.", rows()) << "every break after the first ends a row";
}

// Rows are refused before they are made, not once the map is too big: sixty
// bytes asking for twenty rows of 2^24 cells once took 1.3 GB.
TEST_F(FontMapTest, AWrappedLayoutStopsBeforeItsRowsPassTheLargestTileMap) {
    std::string twentyRows;
    for (int i = 0; i < 20; i++) {
        twentyRows += "a\n\n";
    }
    long before = zelk::test::peakResidentKiB();
    EXPECT_FALSE(map->createStringMap(twentyRows.c_str(), 1u << 24));
    EXPECT_LT(zelk::test::peakResidentKiB() - before, 200 * 1024);

    const unsigned int half = 1u << 23;
    ASSERT_TRUE(map->createStringMap("a\n\nb", half));
    EXPECT_EQ(size2ui32(half, 2u), map->getMapSize()) << "two rows fill the limit exactly";
    EXPECT_EQ('b', map->cell(0, 1));
    EXPECT_FALSE(map->createStringMap("a\n\nb\n\nc", half));
    EXPECT_EQ(size2ui32(half, 2u), map->getMapSize()) << "a refused layout keeps the text";
}

TEST_F(FontMapTest, PositionsAndIndicesCountCellsRowByRow) {
    ASSERT_TRUE(map->createStringMap("abc\nde"));
    EXPECT_EQ(vec2ui32(1u, 1u), map->getCharacterPosition(4));
    EXPECT_EQ(vec2ui32(0u, 0u), map->getCharacterPosition(6));
    EXPECT_EQ(5u, map->getCharacterID(vec2ui32(2u, 1u)));
    EXPECT_EQ(0u, map->getCharacterID(vec2ui32(3u, 0u))) << "one column past the last";
    EXPECT_EQ(0u, map->getCharacterID(vec2ui32(0u, 2u)));
    EXPECT_TRUE(map->haveID(5));
    EXPECT_FALSE(map->haveID(6));
    EXPECT_EQ(vec2ui32(2u, 1u), map->getTheLastPosition());
    EXPECT_EQ(vec2ui32(2u, 1u), map->lastDrawn()) << "a layout selects every character";
    EXPECT_EQ(5u, map->lastDrawnIndex());

    map->deleteMap();
    map->selectAll();
    EXPECT_EQ(vec2ui32(0u, 0u), map->lastDrawn()) << "no text: nothing wraps below 0";
    EXPECT_EQ(0u, map->lastDrawnIndex());
    EXPECT_EQ(vec2ui32(0u, 0u), map->getTheLastPosition());
    EXPECT_FALSE(map->haveID(0));
}

TEST_F(FontMapTest, TheMapForwardsItsPlaceAndScale) {
    EXPECT_TRUE(map->setScale(2.f, 4.f));
    EXPECT_FALSE(map->setScale(0.f, 1.f));
    map->setPosition(6.f, 8.f);
    EXPECT_EQ(2.f, map->getMapScaleWidth());
    EXPECT_EQ(4.f, map->getMapScaleHeight());
    EXPECT_EQ(6.f, map->getPositionX());
    EXPECT_EQ(8.f, map->getPositionY());
}

TEST_F(FontMapTest, FontsComeFromTheSharedListAndGoBackToIt) {
    FontMapProbe other;
    ASSERT_NE(nullptr, map->font());
    EXPECT_EQ(map->font(), other.font()) << "the built-in font is shared";
    EXPECT_EQ(1u, zelk::test::FontListProbe::sets());

    EXPECT_FALSE(map->loadFontImage("none.png", GL_NEAREST, color4f32()));
    EXPECT_EQ(nullptr, map->font());
    map->removeFontImage();
    other.removeFontImage();
    EXPECT_EQ(0u, zelk::test::FontListProbe::sets());
}

namespace {

// Notes every call of a text map's listener.
struct FontJournal : FontCallback {
    void originReachedEmpty() override { calls.push_back("origin empty"); }
    void lastReachedEmpty() override { calls.push_back("last empty"); }
    void revealEnd(FontMap* ended, bool origin) override {
        calls.push_back(origin ? "origin end" : "last end");
        map = ended;
    }
    std::vector<std::string> calls;
    FontMap* map = nullptr;
};

// Removes itself from the map when a reveal ends.
struct LeavingListener : FontCallback {
    explicit LeavingListener(FontMap& map) : map(map) {}
    void revealEnd(FontMap*, bool) override {
        ends++;
        map.removeCallback(this);
    }
    FontMap& map;
    int ends = 0;
};

} // namespace

TEST_F(FontMapTest, ARevealTellsOfEachRunOfEmptyCellsAndOfItsEnd) {
    FontJournal journal;
    ASSERT_TRUE(map->addCallback(&journal));
    EXPECT_FALSE(map->addCallback(&journal));
    EXPECT_FALSE(map->addCallback(nullptr));
    // abc / d.. / efg / h..: runs of empty cells at 4-5 and 10-11.
    ASSERT_TRUE(map->createStringMap("abc\nd\nefg\nh"));
    ASSERT_TRUE(map->addInterpolationOrigin(0.f, 0u));
    ASSERT_TRUE(map->addInterpolationOrigin(11.f, 11u));
    EXPECT_FALSE(map->playForward()) << "the last-character animation has no key frames";
    std::vector<unsigned int> indices;
    while (map->stepAnimations(0.5f)) {
        indices.push_back(map->firstIndex());
    }
    EXPECT_EQ((std::vector<std::string>{"origin empty", "origin empty", "origin end"}),
              journal.calls);
    EXPECT_EQ(&*map, journal.map);
    ASSERT_EQ(22u, indices.size());
    EXPECT_EQ(1u, indices[1]);
    EXPECT_EQ(5u, indices[9]);
    EXPECT_EQ(vec2ui32(2u, 3u), map->first()) << "the last value read before the end";
}

TEST_F(FontMapTest, RevealsRunFasterOverBlanksAndTakeAForcedSpeedOnce) {
    ASSERT_TRUE(map->createStringMap("a     b"));
    ASSERT_TRUE(map->addInterpolationOrigin(0.f, 0u));
    ASSERT_TRUE(map->addInterpolationOrigin(6.f, 6u));
    map->setAtimationFasterSpeedOrigin(4.f);
    map->playForward();
    ASSERT_TRUE(map->stepAnimations(1.f));
    EXPECT_EQ(1u, map->firstIndex());
    ASSERT_TRUE(map->stepAnimations(1.f));
    EXPECT_EQ(5u, map->firstIndex()) << "four cells a second over blanks";

    map->stop();
    map->playForward();
    map->setAtimationFasterSpeedOrigin(1.f);
    map->forceSpeedInOrigin(3.f);
    ASSERT_TRUE(map->stepAnimations(1.f));
    EXPECT_EQ(3u, map->firstIndex());
    ASSERT_TRUE(map->stepAnimations(1.f));
    EXPECT_EQ(4u, map->firstIndex()) << "the forced speed held for one step";
}

TEST_F(FontMapTest, TheFrameUpdateMovesByTheRealTimeOnlyWhilePlaying) {
    ASSERT_TRUE(map->createStringMap("abcdef"));
    ASSERT_TRUE(map->addInterpolation(0.f, 0u, 0u));
    ASSERT_TRUE(map->addInterpolation(1.f, 5u, 5u));
    EXPECT_FALSE(map->updateAnimations());
    map->loopOn();
    ASSERT_TRUE(map->playForward());
    // However long the step took, a looping reveal stays within its keys.
    EXPECT_TRUE(map->updateAnimations());
    EXPECT_LE(map->firstIndex(), 5u);
    EXPECT_GE(map->lastDrawnIndex(), 1u);
    EXPECT_LE(map->lastDrawnIndex(), 6u);
    EXPECT_TRUE(map->stop());
    EXPECT_FALSE(map->updateAnimations());
}

TEST_F(FontMapTest, TheLastCharacterIsKeyedOnePastItsIndex) {
    FontJournal journal;
    LeavingListener leaving(*map);
    ASSERT_TRUE(map->addCallback(&leaving));
    ASSERT_TRUE(map->addCallback(&journal));
    ASSERT_TRUE(map->createStringMap("abcdef"));
    EXPECT_FALSE(map->addInterpolation(0.f, 0u, 6u)) << "index 6 is past the text";
    ASSERT_TRUE(map->addInterpolation(0.f, 0u, 0u));
    ASSERT_TRUE(map->addInterpolation(4.f, vec2ui32(0u, 0u), vec2ui32(3u, 0u)));
    EXPECT_TRUE(map->playForward());
    map->stepAnimations(2.f);
    EXPECT_EQ(2u, map->lastDrawnIndex()) << "halfway from 1 to 4";
    EXPECT_EQ(0u, map->firstIndex());
    map->stepAnimations(3.f);
    EXPECT_EQ((std::vector<std::string>{"origin end", "last end"}), journal.calls);
    EXPECT_EQ(1, leaving.ends) << "a listener may leave during the call";
    EXPECT_TRUE(map->removeCallback(&journal));
    EXPECT_FALSE(map->removeCallback(&journal));
}

namespace {

// The map drawn into a viewport of 16 x 16 pixels per cell, each cell a unit
// square centred on (column, rows - 1 - line), as a button's label camera
// shows it.
class FontMapDrawTest : public FontMapTest {
protected:
    void drawCells(unsigned int columns, unsigned int rowCount, const std::function<void()>& draw) {
        glViewport(0, 0, 16 * columns, 16 * rowCount);
        GU::guUseMatrix(GL_PROJECTION);
        GU::guLoadIdentity();
        GU::guUseOrtho(-0.5f, columns - 0.5f, -0.5f, rowCount - 0.5f, -1.f, 1.f);
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
        draw();
    }

    // The pixels of the cell (column, line) of a map rowCount lines high show
    // the glyph of code, white over black (0 for an empty cell: black).
    void expectGlyph(unsigned int code, unsigned int column, unsigned int line,
                     unsigned int rowCount) {
        std::vector<unsigned char> pixels =
            zelk::test::readPixels(16 * column, 16 * (rowCount - 1 - line), 16, 16);
        int worst = 0;
        for (unsigned int y = 0; y < 16; y++) {
            for (unsigned int x = 0; x < 16; x++) {
                int expected = code == 0 ? 0 : sheet.alpha(code, x, 15 - y);
                int red = pixels[(y * 16 + x) * 4];
                worst = std::max(worst, std::abs(red - expected));
            }
        }
        EXPECT_LE(worst, 2) << "code " << code << " at " << column << ", " << line;
    }

    zelk::test::FontSheet sheet;
};

} // namespace

TEST_F(FontMapDrawTest, EachCellShowsTheGlyphOfItsCharacter) {
    ASSERT_TRUE(map->createStringMap("PLAY"));
    drawCells(4, 1, [this] { map->draw(); });
    expectGlyph('P', 0, 0, 1);
    expectGlyph('L', 1, 0, 1);
    expectGlyph('A', 2, 0, 1);
    expectGlyph('Y', 3, 0, 1);
}

TEST_F(FontMapDrawTest, RowsRunDownAndAStretchDrawsFromItsFirstToItsLastCharacter) {
    ASSERT_TRUE(map->createStringMap("ab\ncd\nef"));
    drawCells(2, 3, [this] { map->draw(1u, vec2ui32(0u, 2u), color4f32(1.f, 1.f, 1.f, 1.f)); });
    expectGlyph(0, 0, 0, 3);
    expectGlyph('b', 1, 0, 3);
    expectGlyph('c', 0, 1, 3);
    expectGlyph('d', 1, 1, 3);
    expectGlyph('e', 0, 2, 3);
    expectGlyph(0, 1, 2, 3);

    // A last past the text stops at its end.
    zelk::test::unitProjection();
    drawCells(2, 3, [this] {
        map->draw(vec2ui32(1u, 1u), vec2ui32(4000000000u, 4000000000u),
                  color4f32(1.f, 1.f, 1.f, 1.f));
    });
    expectGlyph(0, 0, 1, 3);
    expectGlyph('d', 1, 1, 3);
    expectGlyph('e', 0, 2, 3);
    expectGlyph('f', 1, 2, 3);
}

TEST_F(FontMapDrawTest, DrawingWithoutTextOrFontDrawsNothing) {
    drawCells(4, 1, [this] { map->draw(); });
    ASSERT_TRUE(map->createStringMap("PLAY"));
    map->removeFontImage();
    drawCells(4, 1, [this] { map->draw(); });
    for (unsigned int column = 0; column < 4; column++) {
        expectGlyph(0, column, 0, 1);
    }
}
