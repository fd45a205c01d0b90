#include "zelk/XML.h"
#include "support/FileContents.h"
#include "support/TestSupport.h"
#include "zelk/String.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

using zelk::String;
using zelk::XML;
using zelk::test::readFileBytes;
using zelk::test::TempDir;
using zelk::test::writeFileBytes;

std::string orNull(const char* text) {
    return text ? std::string(text) : "<null>";
}

// Writes an object the way every saveable class does: its element named by
// kind and id, a float attribute and a count as element text.
bool writeObject(XML* xml, unsigned int id, float scale, int count) {
    if (!xml)
        return false;
    char* number = String::int64ToStr(id);
    char* name = String::strCat("object_", static_cast<const char*>(number));
    bool made = xml->addSelectedNextChild(name) && xml->selectChild(name);
    if (made) {
        char* scaleText = String::float32ToStr(scale);
        char* countText = String::int64ToStr(count);
        made =
            xml->addSelectedNextAttribute("scale", scaleText) && xml->addSelectedNextChild("count");
        xml->selectChild("count");
        xml->setSelectedString(countText);
        xml->selectFather();
        xml->selectFather();
        delete[] scaleText;
        delete[] countText;
    }
    delete[] number;
    delete[] name;
    return made;
}

TEST(XMLTest, RoundTripKeepsExactFloatTextAndIndentsWithTabs) {
    TempDir dir;
    std::string path = dir.file("scene.xml");
    XML out;
    ASSERT_TRUE(out.addSelectedNextChild("Cenario_0"));
    ASSERT_STREQ(out.selectChild("Cenario_0"), "Cenario_0");
    ASSERT_TRUE(writeObject(&out, 3, 1.1f, 4));
    ASSERT_TRUE(out.saveToFile(path.c_str()));
    EXPECT_EQ(readFileBytes(path), "<?xml version=\"1.0\"?>\n"
                                   "<Cenario_0>\n"
                                   "\t<object_3 scale=\"1.10000002\">\n"
                                   "\t\t<count>4</count>\n"
                                   "\t</object_3>\n"
                                   "</Cenario_0>\n");

    XML in;
    ASSERT_TRUE(in.loadFile(path.c_str()));
    EXPECT_FALSE(in.haveSelected());
    ASSERT_STREQ(in.selectChild("Cenario_0"), "Cenario_0");
    ASSERT_STREQ(in.selectChild("object_3"), "object_3");
    char* scale = in.getSelectedAttributeValueByName("scale");
    ASSERT_STREQ(scale, "1.10000002");
    EXPECT_EQ(String::strToFloat32(scale), 1.1f);
    ASSERT_STREQ(in.selectChild("count"), "count");
    EXPECT_STREQ(in.getSelectedString(), "4");
    EXPECT_FALSE(in.saveToFile(dir.file("no/such/folder.xml").c_str()));
    EXPECT_FALSE(in.saveToFile(static_cast<const char*>(nullptr)));
}

TEST(XMLTest, AFailedLoadLeavesAnEmptyDocument) {
    TempDir dir;
    std::string path = dir.file("truncated.xml");
    writeFileBytes(path, "<Cenario_0 a='1'><Level_0>3</Level_0><Level_1>");
    XML xml("<old><child/></old>");
    ASSERT_STREQ(xml.selectChild("old"), "old");
    ASSERT_STREQ(xml.selectChild("child"), "child");
    EXPECT_FALSE(xml.loadFile(path.c_str()));
    EXPECT_FALSE(xml.haveSelected());
    EXPECT_EQ(xml.selectChild("Cenario_0"), nullptr);
    EXPECT_EQ(xml.selectRoot(), nullptr);
    EXPECT_FALSE(xml.parse());

    EXPECT_FALSE(xml.parseFile(path.c_str()));
    EXPECT_EQ(xml.selectRoot(), nullptr);
    EXPECT_FALSE(xml.parse("<Cenario_0><Level_0>"));
    EXPECT_EQ(xml.selectRoot(), nullptr);
    EXPECT_FALSE(xml.parse(static_cast<const char*>(nullptr)));
    EXPECT_EQ(xml.selectRoot(), nullptr);
    EXPECT_FALSE(xml.loadFile(dir.file("missing.xml").c_str()));
    EXPECT_FALSE(xml.loadFile(static_cast<const char*>(nullptr)));
}

TEST(XMLTest, PipesAndFoldersAreNotLoaded) {
    TempDir dir;
    std::string pipe = dir.file("scene.xml");
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
    XML xml("<old/>");
    EXPECT_FALSE(xml.loadFile(pipe.c_str()));
    EXPECT_EQ(xml.selectRoot(), nullptr);
    EXPECT_FALSE(xml.parseFile(pipe.c_str()));
    EXPECT_FALSE(xml.loadFile(dir.path().c_str()));
}

TEST(XMLTest, LoadingClearsTheCursor) {
    TempDir dir;
    std::string path = dir.file("a.xml");
    writeFileBytes(path, "<root><x/></root>");
    XML xml("<old/>");
    ASSERT_STREQ(xml.selectRoot(), "old");
    ASSERT_TRUE(xml.loadFile(path.c_str()));
    EXPECT_FALSE(xml.haveSelected());
    EXPECT_EQ(xml.getSelectedName(), nullptr);
    EXPECT_STREQ(xml.selectChild("root"), "root");
    EXPECT_EQ(xml.selectFather(), nullptr);
    EXPECT_STREQ(xml.getSelectedName(), "root");
    xml.clean();
    EXPECT_FALSE(xml.haveSelected());
    EXPECT_EQ(xml.selectRoot(), nullptr);
}

// Records the walk as text.
class Recorder : public XML {
public:
    void didStartElement(char* name, char** names, char** values, unsigned int count) override {
        log += "start " + std::string(name);
        if (!names || !values)
            log += " none";
        for (unsigned int i = 0; names && values && i < count; ++i)
            log += " " + std::string(names[i]) + "=" + values[i];
        log += ";";
        ++starts;
    }
    void foundCharacters(char* name, char* text) override {
        log += "text " + std::string(name) + " " + text + ";";
    }
    void didEndElement(char* name) override {
        log += "end " + std::string(name) + ";";
        ++ends;
    }
    std::string log;
    unsigned int starts = 0;
    unsigned int ends = 0;
};

TEST(XMLTest, WalkReportsElementsInDocumentOrder) {
    Recorder walker;
    ASSERT_TRUE(walker.parse("<a x='1'><b/>t<c/></a>"));
    EXPECT_EQ(walker.log, "start a x=1;text a t;start b none;end b;end a;");

    Recorder nested;
    ASSERT_TRUE(nested.parse("<r><p k='v' m='w'><q>in</q></p><s/></r>"));
    EXPECT_EQ(nested.log, "start r none;start p k=v m=w;start q none;text q in;end q;end p;"
                          "start s none;end s;end r;");
    nested.log.clear();
    EXPECT_TRUE(nested.parse());
    EXPECT_EQ(nested.starts, 8u);
    nested.clean();
    EXPECT_FALSE(nested.parse());
}

TEST(XMLTest, WalkOverAMillionSiblingsAndDeepNesting) {
    std::string wide = "<r>";
    for (int i = 0; i < 1000000; ++i)
        wide += "<e/>";
    wide += "</r>";
    Recorder walker;
    ASSERT_TRUE(walker.parse(wide.c_str()));
    EXPECT_EQ(walker.starts, 1000001u);
    EXPECT_EQ(walker.ends, 1000001u);

    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<d>";
    for (int i = 0; i < 100000; ++i)
        deep += "</d>";
    Recorder diver;
    ASSERT_TRUE(diver.parse(deep.c_str()));
    EXPECT_EQ(diver.starts, 100000u);
    EXPECT_EQ(diver.ends, 100000u);
}

TEST(XMLTest, SelectingChildrenAndBrothers) {
    XML xml("<r><x id='1'/><y/><m/><x id='2'/></r><top2/>");
    EXPECT_EQ(xml.selectFirstChild(), nullptr);
    EXPECT_EQ(xml.selectChild(0u), nullptr);
    ASSERT_STREQ(xml.selectRoot(), "r");
    EXPECT_STREQ(xml.selectChild(2u), "m");
    EXPECT_STREQ(xml.selectBrother("x"), "x");
    EXPECT_STREQ(xml.getSelectedAttributeValueByName("id"), "1");
    EXPECT_EQ(xml.selectBrother("missing"), nullptr);
    EXPECT_STREQ(xml.getSelectedAttributeValueByName("id"), "1");
    EXPECT_STREQ(xml.selectBrother("x"), "x");
    EXPECT_STREQ(xml.getSelectedAttributeValueByName("id"), "2");
    EXPECT_EQ(xml.selectNextBrother(), nullptr);
    EXPECT_STREQ(xml.selectPreviousBrother(), "m");
    EXPECT_STREQ(xml.selectFirstBrother(), "x");
    EXPECT_EQ(xml.selectPreviousBrother(), nullptr);
    EXPECT_STREQ(xml.selectLastBrother(), "x");
    EXPECT_STREQ(xml.selectFather(), "r");
    EXPECT_STREQ(xml.selectLastChild(), "x");
    EXPECT_STREQ(xml.selectFather(), "r");
    EXPECT_STREQ(xml.selectLastBrother(), "top2");
    EXPECT_STREQ(xml.selectFirstBrother(), "r");
    EXPECT_EQ(xml.selectChild("top2"), nullptr);
    xml.cleanSelected();
    EXPECT_STREQ(xml.selectChild("top2"), "top2");
    EXPECT_EQ(xml.selectChild(static_cast<const char*>(nullptr)), nullptr);

    XML empty;
    EXPECT_STREQ(empty.selectFirstBrother(), "");
    EXPECT_FALSE(empty.haveSelected());
}

TEST(XMLTest, ChildrenAfterCharacterDataAreOutOfReach) {
    XML xml("<e><a/><b/>text<c/></e>");
    ASSERT_STREQ(xml.selectRoot(), "e");
    EXPECT_EQ(xml.selectChild(2u), nullptr);
    EXPECT_STREQ(xml.selectChild(1u), "b");
    EXPECT_EQ(xml.selectNextBrother(), nullptr);
    EXPECT_EQ(xml.selectBrother("c"), nullptr);
    EXPECT_STREQ(xml.selectBrother("a"), "a");
    EXPECT_STREQ(xml.selectFather(), "e");
    EXPECT_STREQ(xml.selectChild("c"), "c");
    EXPECT_STREQ(xml.selectFirstBrother(), "a");
    EXPECT_STREQ(xml.selectLastBrother(), "c");
}

TEST(XMLTest, AddingNeverMovesTheCursor) {
    XML xml;
    EXPECT_FALSE(xml.addSelectedPreviousChild("p"));
    EXPECT_FALSE(xml.addSelectedNextBrother("p"));
    EXPECT_TRUE(xml.addSelectedNextChild("root"));
    EXPECT_FALSE(xml.addSelectedNextChild("second"));
    EXPECT_FALSE(xml.addSelectedNextChild(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(xml.addSelectedNextChild(""));
    EXPECT_FALSE(xml.haveSelected());
    ASSERT_STREQ(xml.selectRoot(), "root");
    EXPECT_TRUE(xml.addSelectedNextChild("b"));
    EXPECT_TRUE(xml.addSelectedPreviousChild("a"));
    EXPECT_TRUE(xml.addSelectedNextChild("c"));
    EXPECT_STREQ(xml.getSelectedName(), "root");
    ASSERT_STREQ(xml.selectChild("b"), "b");
    EXPECT_TRUE(xml.addSelectedNextBrother("b2"));
    EXPECT_TRUE(xml.addSelectedPreviousBrother("a2"));
    EXPECT_STREQ(xml.getSelectedName(), "b");
    EXPECT_STREQ(xml.selectFather(), "root");
    EXPECT_TRUE(xml.addSelectedNextBrother("after"));
    EXPECT_TRUE(xml.addSelectedPreviousBrother("before"));
    EXPECT_TRUE(xml.addRootNextChild("last"));
    EXPECT_TRUE(xml.addRootPreviousChild("first"));
    EXPECT_FALSE(xml.addRootNextChild(static_cast<const char*>(nullptr)));
    EXPECT_TRUE(xml.addNewRoot("extra"));
    EXPECT_TRUE(xml.setSelectedString("words"));
    EXPECT_TRUE(xml.addSelectedPreviousChild("z"));
    EXPECT_STREQ(xml.getSelectedName(), "root");
    std::string printed = zelk::test::captureStdout([&xml] { xml.print(); });
    EXPECT_EQ(printed, "<first/><before/><root><z/><a/><a2/><b/><b2/><c/>words</root>"
                       "<after/><last/><extra/>");

    XML text("<t>hello</t>");
    ASSERT_STREQ(text.selectRoot(), "t");
    EXPECT_TRUE(text.addSelectedPreviousChild("p"));
    EXPECT_EQ(zelk::test::captureStdout([&text] { text.print(); }), "<t>hello<p/></t>");

    XML fresh;
    EXPECT_TRUE(fresh.addRootPreviousChild("only"));
    EXPECT_STREQ(fresh.selectRoot(), "only");
}

TEST(XMLTest, DeletingMovesTheCursorAsDescribed) {
    XML xml("<a><child/></a><b/><c/>");
    ASSERT_STREQ(xml.selectRoot(), "a");
    ASSERT_STREQ(xml.selectChild("child"), "child");
    EXPECT_TRUE(xml.deleteSelected());
    EXPECT_STREQ(xml.getSelectedName(), "a");
    EXPECT_EQ(xml.selectFirstChild(), nullptr);
    EXPECT_TRUE(xml.deleteSelected());
    EXPECT_STREQ(xml.getSelectedName(), "b");
    ASSERT_STREQ(xml.selectNextBrother(), "c");
    EXPECT_TRUE(xml.deleteSelected());
    EXPECT_STREQ(xml.getSelectedName(), "b");
    EXPECT_TRUE(xml.deleteSelected());
    EXPECT_FALSE(xml.haveSelected());
    EXPECT_FALSE(xml.deleteSelected());
    EXPECT_EQ(xml.selectRoot(), nullptr);
}

TEST(XMLTest, Attributes) {
    XML xml("<e/>");
    EXPECT_FALSE(xml.addSelectedNextAttribute("k", "v"));
    EXPECT_FALSE(xml.haveSelectedAttributes());
    ASSERT_STREQ(xml.selectRoot(), "e");
    EXPECT_FALSE(xml.haveSelectedAttributes());
    EXPECT_TRUE(xml.addSelectedNextAttribute("b", "2"));
    EXPECT_TRUE(xml.addSelectedPreviousAttribute("a", "1"));
    EXPECT_TRUE(xml.addSelectedNewAttribute("c", "3"));
    EXPECT_TRUE(xml.haveSelectedAttributes());
    EXPECT_TRUE(xml.haveSelectedAttribute("b"));
    EXPECT_TRUE(xml.haveAttributeName("c"));
    EXPECT_FALSE(xml.haveSelectedAttribute("d"));
    EXPECT_EQ(xml.getSelectedAttributeID("c"), 2u);
    EXPECT_EQ(xml.getSelectedAttributeID("missing"), 0u);
    EXPECT_EQ(orNull(xml.getSelectedAttributeName(0)), "a");
    EXPECT_EQ(orNull(xml.getSelectedAttributeValue(1)), "2");
    EXPECT_EQ(xml.getSelectedAttributeName(3), nullptr);
    EXPECT_EQ(xml.getSelectedAttributeValueByName("missing"), nullptr);

    EXPECT_TRUE(xml.addSelectedNextAttribute("a", "again"));
    EXPECT_STREQ(xml.getSelectedAttributeValue(0), "again");
    EXPECT_STREQ(xml.getSelectedAttributeValue(3), "");

    EXPECT_FALSE(xml.addSelectedNextAttribute("b", static_cast<const char*>(nullptr)));
    EXPECT_FALSE(xml.addSelectedNewAttribute(static_cast<const char*>(nullptr), "x"));
    EXPECT_STREQ(xml.getSelectedAttributeValueByName("b"), "2");
    EXPECT_EQ(orNull(xml.getSelectedAttributeName(4)), "<null>");

    EXPECT_TRUE(xml.deleteSelectedAttribute("b"));
    EXPECT_FALSE(xml.deleteSelectedAttribute("b"));
    EXPECT_FALSE(xml.haveSelectedAttribute("b"));
    xml.cleanSelected();
    EXPECT_EQ(xml.getSelectedAttributeName(0), nullptr);
    EXPECT_FALSE(xml.haveSelectedAttribute("a"));
}

TEST(XMLTest, ElementTextComesBackAsStored) {
    XML xml("<e><plain/><t>\n\t3 words\t\n</t></e>");
    ASSERT_STREQ(xml.selectRoot(), "e");
    EXPECT_EQ(xml.getSelectedString(), nullptr);
    ASSERT_STREQ(xml.selectChild("plain"), "plain");
    EXPECT_EQ(xml.getSelectedString(), nullptr);
    EXPECT_TRUE(xml.setSelectedString("now"));
    EXPECT_STREQ(xml.getSelectedString(), "now");
    EXPECT_FALSE(xml.setSelectedString(static_cast<const char*>(nullptr)));
    ASSERT_STREQ(xml.selectNextBrother(), "t");
    EXPECT_STREQ(xml.getSelectedString(), "\n\t3 words\t\n");
    char* filtered = String::strCopyWithFilter(xml.getSelectedString(), "\t\n");
    EXPECT_STREQ(filtered, "3 words");
    delete[] filtered;
    xml.cleanSelected();
    EXPECT_EQ(xml.getSelectedString(), nullptr);
    EXPECT_FALSE(xml.setSelectedString("x"));
}

} // namespace
