#include "zelk/ElementXML.h"
#include "zelk/XML.h"

#include "support/XMLText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using zelk::ElementXML;
using zelk::XML;
using zelk::test::documentText;
using zelk::test::RootDocument;

namespace {

std::string taken(char* text) {
    std::string copy = text ? text : "<null>";
    delete[] text;
    return copy;
}

} // namespace

TEST(ElementXML, NumberedElementsAreAppendedNewAndFoundFirst) {
    EXPECT_EQ("frame_12", taken(ElementXML::numberedName("frame_", 12)));
    RootDocument document;
    XML& xml = document.xml;
    ASSERT_TRUE(ElementXML::open(&xml, "item_", 3));
    ElementXML::writeInteger(&xml, "n", 1);
    ElementXML::close(&xml);
    ASSERT_TRUE(ElementXML::open(&xml, "item_", 3));
    ElementXML::writeInteger(&xml, "n", 2);
    ElementXML::close(&xml);
    EXPECT_TRUE(ElementXML::add(&xml, "mark_", 0));
    EXPECT_STREQ("root", xml.getSelectedName()) << "adding leaves the cursor alone";
    EXPECT_TRUE(ElementXML::openChild(&xml, "plain"));
    EXPECT_STREQ("plain", xml.getSelectedName());
    ElementXML::close(&xml);
    EXPECT_EQ("<root><item_3 n=\"1\"/><item_3 n=\"2\"/><mark_0/><plain/></root>",
              documentText(xml));

    ASSERT_TRUE(ElementXML::select(&xml, "item_", 3));
    EXPECT_EQ(1, ElementXML::readInteger(&xml, "n")) << "select finds the first";
    ElementXML::close(&xml);
    EXPECT_FALSE(ElementXML::select(&xml, "item_", 4));
    EXPECT_FALSE(ElementXML::reopen(&xml, "item_", 3)) << "the last child is another";
    EXPECT_STREQ("root", xml.getSelectedName());
    ASSERT_TRUE(ElementXML::open(&xml, "last_", 7));
    ElementXML::close(&xml);
    ASSERT_TRUE(ElementXML::reopen(&xml, "last_", 7));
    EXPECT_STREQ("last_7", xml.getSelectedName());
    ElementXML::close(&xml);
    ElementXML::close(&xml);
    EXPECT_FALSE(xml.haveSelected()) << "closing a top-level element clears the cursor";
}

TEST(ElementXML, AnEmptyDocumentTakesTheOpenedElementAsItsRoot) {
    XML xml;
    ASSERT_TRUE(ElementXML::open(&xml, "scene_", 0));
    EXPECT_STREQ("scene_0", xml.getSelectedName());
    ElementXML::close(&xml);
    EXPECT_FALSE(xml.haveSelected());
    ASSERT_TRUE(ElementXML::reopen(&xml, "scene_", 0));
    EXPECT_STREQ("scene_0", xml.getSelectedName());
}

TEST(ElementXML, FloatsReadAsWrittenOrOnlyAsFiniteNumbers) {
    RootDocument document("<v a=\"nan\" b=\"inf\" c=\"1e99\" d=\"2.5\"/>");
    XML& xml = document.xml;
    ElementXML::writeFloat(&xml, "one", 1.f);
    ElementXML::writeFloat(&xml, "tenth", 1.1f);
    EXPECT_STREQ("1.0", xml.getSelectedAttributeValueByName("one"));
    EXPECT_STREQ("1.10000002", xml.getSelectedAttributeValueByName("tenth"));
    EXPECT_EQ(1.1f, ElementXML::readFloat(&xml, "tenth"));

    ASSERT_STREQ("v", xml.selectChild("v"));
    EXPECT_TRUE(std::isnan(ElementXML::readFloat(&xml, "a")));
    EXPECT_TRUE(std::isinf(ElementXML::readFloat(&xml, "c")));
    for (const char* name : {"a", "b", "c", "missing"}) {
        EXPECT_EQ(0.f, ElementXML::readFiniteFloat(&xml, name)) << name;
    }
    EXPECT_EQ(2.5f, ElementXML::readFiniteFloat(&xml, "d"));
    EXPECT_EQ(0.f, ElementXML::readFloat(&xml, "missing"));
    EXPECT_EQ(0, ElementXML::readInteger(&xml, "missing"));

    float kept = 7.f;
    ElementXML::readFloatIfPresent(&xml, "missing", &kept);
    ElementXML::readFiniteFloatIfPresent(&xml, "missing", &kept);
    EXPECT_EQ(7.f, kept);
    ElementXML::readFloatIfPresent(&xml, "b", &kept);
    EXPECT_TRUE(std::isinf(kept));
    ElementXML::readFiniteFloatIfPresent(&xml, "b", &kept);
    EXPECT_EQ(0.f, kept);
    ElementXML::readFiniteFloatIfPresent(&xml, "d", &kept);
    EXPECT_EQ(2.5f, kept);
}

TEST(ElementXML, NumbersAreTakenOnlyFromNamesWrittenAsTheEngineWritesThem) {
    zelk::uint32 n = 99;
    EXPECT_TRUE(ElementXML::numberOf("joint_12", "joint_", 13, &n));
    EXPECT_EQ(12u, n);
    n = 99;
    for (const char* name : {"joint_13", "joint_012", "joint_-1", "joint_+1", "joint_", "joint_1x",
                             "obj_1", "joint_99999999999999999999"}) {
        EXPECT_FALSE(ElementXML::numberOf(name, "joint_", 13, &n)) << name;
    }
    EXPECT_FALSE(ElementXML::numberOf(nullptr, "joint_", 13, &n));
    EXPECT_EQ(99u, n) << "a refused name leaves the number alone";
}

TEST(ElementXML, ChildrenAreVisitedInOrderAfterTheTextAndTheCursorComesBack) {
    RootDocument document("<e>\n\tkind\t\n<a_0/><b/><a_1/></e><f/>");
    XML& xml = document.xml;
    ASSERT_STREQ("e", xml.selectChild("e"));
    EXPECT_EQ("kind", taken(ElementXML::filteredText(&xml)));
    std::vector<std::string> seen;
    ElementXML::forEachChild(&xml, [&](char* name) { seen.push_back(name); });
    EXPECT_EQ((std::vector<std::string>{"a_0", "b", "a_1"}), seen);
    EXPECT_STREQ("e", xml.getSelectedName());

    ASSERT_STREQ("f", xml.selectNextBrother());
    EXPECT_EQ("<null>", taken(ElementXML::filteredText(&xml)));
    ElementXML::forEachChild(&xml, [&](char* name) { seen.push_back(name); });
    EXPECT_EQ(3u, seen.size()) << "an element without children is not visited";
    EXPECT_STREQ("f", xml.getSelectedName());
}
