#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "zelk/GU_GLSL.h"
#include "zelk/XML.h"
#include "zelk/material/Material.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelk::color3f32;
using zelk::color4f32;
using zelk::size2ui32;
using zelk::XML;
using zelk::material::Material;
using zelk::test::Bytes;
using zelk::test::getInteger;
using zelk::test::TempDir;
using zelk::test::TextureListProbe;

namespace {

std::vector<float> frontMaterial(unsigned int parameter) {
    std::vector<float> values(4, -1.f);
    glGetMaterialfv(GL_FRONT, parameter, values.data());
    return values;
}

// The texture bound to GL_TEXTURE_2D on a unit; the active unit is kept.
int boundOnUnit(unsigned int unit) {
    int active = getInteger(GL_ACTIVE_TEXTURE);
    glActiveTexture(GL_TEXTURE0 + unit);
    int bound = getInteger(GL_TEXTURE_BINDING_2D);
    glActiveTexture(active);
    return bound;
}

bool enabledOnUnit(unsigned int unit) {
    int active = getInteger(GL_ACTIVE_TEXTURE);
    glActiveTexture(GL_TEXTURE0 + unit);
    bool enabled = glIsEnabled(GL_TEXTURE_2D);
    glActiveTexture(active);
    return enabled;
}

class MaterialTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        for (int i = 0; i < 3; ++i) {
            std::string name = "image" + std::to_string(i) + ".png";
            paths.push_back(folder.file(name));
            ASSERT_FALSE(
                zelk::test::writePNG(paths.back(), 2 + i, 1 + i, Bytes((2 + i) * (1 + i) * 4, 90))
                    .empty());
        }
    }

    void TearDown() override {
        EXPECT_EQ(TextureListProbe::byCode(), 0u);
        zelk::Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    TempDir folder;
    std::vector<std::string> paths;
};

// Without GLEW only the active unit is used. It comes first: once GLEW is
// running in this process it stays running.
TEST_F(MaterialTest, MultiTextureWithoutGlewBindsOnlyTheActiveUnit) {
    ASSERT_FALSE(zelk::GU_GLSL::guShaderInitiate());
    Material material;
    ASSERT_TRUE(material.loadTexture(paths[0].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(material.loadTexture(paths[1].c_str(), 1, GL_LINEAR));
    material.drawStart();
    // Units cannot be switched in the test either without GLEW: the active
    // one is read.
    EXPECT_EQ(getInteger(GL_TEXTURE_BINDING_2D), int(material.getTexture(0)));
    EXPECT_EQ(getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    material.drawEnd();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(MaterialTest, NewMaterialDrawsItsDefaultColoursWithoutTexture) {
    Material material;
    EXPECT_FALSE(material.haveTexture());
    material.drawStart();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.2f, 0.2f, 0.2f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.8f, 0.8f, 0.8f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_SPECULAR), (std::vector<float>{0.f, 0.f, 0.f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_EMISSION), (std::vector<float>{0.f, 0.f, 0.f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_SHININESS)[0], 0.f);

    // The end disables texturing even after an untextured start.
    glEnable(GL_TEXTURE_2D);
    material.drawEnd();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(MaterialTest, SettersFillAllFourComponents) {
    Material material;
    material.setAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    material.setDiffuse(0.5f, 0.5f, 0.5f);
    material.setSpecular(color4f32(0.6f, 0.7f, 0.8f, 0.9f));
    material.setEmission(color3f32(0.25f, 0.5f, 0.75f));
    material.setShininess(20.f, 0.f, 0.f);
    material.useMaterialParameters();
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.5f, 0.5f, 0.5f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_SPECULAR), (std::vector<float>{0.6f, 0.7f, 0.8f, 0.9f}));
    EXPECT_EQ(frontMaterial(GL_EMISSION), (std::vector<float>{0.25f, 0.5f, 0.75f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_SHININESS)[0], 20.f);

    material.setAmbientAndDiffuse(color3f32(0.3f, 0.6f, 0.9f));
    material.drawNoTexture();
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.3f, 0.6f, 0.9f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.3f, 0.6f, 0.9f, 1.f}));
    material.setAmbientAndDiffuse(0.1f, 0.1f, 0.1f, 0.5f);
    material.drawNoTexture();
    EXPECT_EQ(frontMaterial(GL_AMBIENT), frontMaterial(GL_DIFFUSE));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE)[3], 0.5f);

    EXPECT_EQ(zelk::test::captureStdout([&] { material.printAmbient(); }),
              "\nAmbient 0.10 0.10 0.10 0.50");
}

TEST_F(MaterialTest, SlotsCountTheirTexturesAndRefusePositionsAbove31) {
    Material material;
    EXPECT_FALSE(material.loadTexture(paths[0].c_str(), 32, GL_LINEAR));
    EXPECT_EQ(TextureListProbe::byCode(), 0u);
    EXPECT_EQ(material.getTexture(40), 0u);
    EXPECT_EQ(material.getTextureWidth(40), 0u);
    EXPECT_EQ(material.getTextureHeight(40), 0u);
    EXPECT_EQ(material.getTextureSize(40), size2ui32(1u, 1u));
    EXPECT_FALSE(material.removeTexture(32));
    EXPECT_FALSE(material.deleteTexture(255));
    EXPECT_EQ(zelk::test::captureStdout([&] { material.printTexture(40); }), "");

    ASSERT_TRUE(material.loadTexture(paths[0].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(material.loadTexture(paths[1].c_str(), 1, GL_LINEAR));
    EXPECT_EQ(material.getTextureSize(1), size2ui32(3u, 2u));
    EXPECT_EQ(material.getTextureWidth(0), 2u);
    EXPECT_EQ(material.getTextureSize(5), size2ui32(1u, 1u));
    EXPECT_EQ(zelk::test::captureStdout([&] { material.printTexture(1); }),
              std::to_string(material.getTexture(1)));

    // An empty slot gives nothing back and the count stays.
    EXPECT_FALSE(material.removeTexture(5));
    EXPECT_TRUE(material.haveTexture());
    unsigned int first = material.getTexture(0);
    EXPECT_TRUE(material.removeTexture(0));
    EXPECT_FALSE(glIsTexture(first));
    EXPECT_EQ(material.getTexture(0), 0u);
    EXPECT_TRUE(material.haveTexture());
    material.drawStart();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    material.drawEnd();

    EXPECT_TRUE(material.removeTexture(1));
    EXPECT_FALSE(material.haveTexture());
}

TEST_F(MaterialTest, AFailedLoadEmptiesTheSlot) {
    Material material;
    ASSERT_TRUE(material.loadTexture(paths[0].c_str(), 2, GL_LINEAR));
    ASSERT_TRUE(material.loadTexture(paths[1].c_str(), 3, GL_LINEAR));
    unsigned int old = material.getTexture(2);
    EXPECT_FALSE(material.loadTexture(folder.file("missing.png").c_str(), 2, GL_LINEAR));
    EXPECT_FALSE(glIsTexture(old));
    EXPECT_EQ(material.getTexture(2), 0u);
    EXPECT_TRUE(material.haveTexture());
    EXPECT_TRUE(material.removeTexture(3));
    EXPECT_FALSE(material.haveTexture());

    Bytes png = zelk::test::readBytes(paths[2]);
    EXPECT_TRUE(material.loadTextureFromMemory("in memory", png.data(), zelk::test::sizeOf(png), 4,
                                               GL_NEAREST));
    EXPECT_EQ(material.getTextureSize(4), size2ui32(4u, 3u));
    EXPECT_FALSE(
        material.loadTextureFromMemory("in memory", png.data(), zelk::test::sizeOf(png), 32, 0));
    EXPECT_FALSE(material.loadTextureFromMemory("other", png.data(), 0, 4, GL_NEAREST));
    EXPECT_FALSE(material.haveTexture());
}

// The name the list keeps for a slot's texture reloads that slot, under
// another filter, although emptying the slot first deletes that entry.
TEST_F(MaterialTest, ReloadsASlotUnderTheNameTheListKeepsForIt) {
    Material material;
    ASSERT_TRUE(material.loadTexture(paths[1].c_str(), 0, GL_LINEAR));
    char* listed = zelk::Texture2DList::getTextureName(material.getTexture(0));
    ASSERT_TRUE(material.loadTexture(listed, 0, GL_NEAREST));
    unsigned int code = material.getTexture(0);
    EXPECT_STREQ(zelk::Texture2DList::getTextureName(code), paths[1].c_str());
    EXPECT_EQ(zelk::Texture2DList::getTextureFilter(code), static_cast<unsigned int>(GL_NEAREST));
    EXPECT_EQ(material.getTextureSize(0), size2ui32(3u, 2u));

    Bytes png = zelk::test::readBytes(paths[2]);
    ASSERT_TRUE(material.loadTextureFromMemory("in memory", png.data(), zelk::test::sizeOf(png), 1,
                                               GL_LINEAR));
    listed = zelk::Texture2DList::getTextureName(material.getTexture(1));
    ASSERT_TRUE(
        material.loadTextureFromMemory(listed, png.data(), zelk::test::sizeOf(png), 1, GL_NEAREST));
    EXPECT_STREQ(zelk::Texture2DList::getTextureName(material.getTexture(1)), "in memory");
    material.removeAllTextures();
}

TEST_F(MaterialTest, DeleteTextureDropsEveryUse) {
    Material first, second;
    ASSERT_TRUE(first.loadTexture(paths[0].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(second.loadTexture(paths[0].c_str(), 7, GL_LINEAR));
    unsigned int code = first.getTexture(0);
    EXPECT_EQ(second.getTexture(7), code);
    EXPECT_EQ(TextureListProbe::uses(code), 2u);
    EXPECT_TRUE(first.deleteTexture(0));
    EXPECT_FALSE(glIsTexture(code));
    EXPECT_FALSE(first.haveTexture());
    // The other material's slot now holds an unlisted code.
    EXPECT_FALSE(second.removeTexture(7));
    EXPECT_FALSE(second.haveTexture());
}

TEST_F(MaterialTest, MultiTextureBindsUnits31DownTo1ThenUnit0) {
    ASSERT_EQ(zelk::GU_GLSL::guShaderInit(), 0u);
    Material material;
    ASSERT_TRUE(material.loadTexture(paths[0].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(material.loadTexture(paths[1].c_str(), 1, GL_LINEAR));
    ASSERT_TRUE(material.loadTexture(paths[2].c_str(), 31, GL_LINEAR));

    // Unit 7 holds a texture of its own, which the empty slot 7 unbinds; the
    // call begins on unit 3.
    GLuint stray = 0;
    glGenTextures(1, &stray);
    glActiveTexture(GL_TEXTURE7);
    glBindTexture(GL_TEXTURE_2D, stray);
    glActiveTexture(GL_TEXTURE3);

    material.drawStartWithMultiTexture();
    EXPECT_EQ(getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(boundOnUnit(0), int(material.getTexture(0)));
    EXPECT_EQ(boundOnUnit(1), int(material.getTexture(1)));
    EXPECT_EQ(boundOnUnit(31), int(material.getTexture(31)));
    EXPECT_EQ(boundOnUnit(7), 0);
    EXPECT_EQ(boundOnUnit(3), 0);
    // Texturing is enabled on the unit that was active at the start only.
    EXPECT_TRUE(enabledOnUnit(3));
    EXPECT_FALSE(enabledOnUnit(0));
    EXPECT_FALSE(enabledOnUnit(1));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.8f, 0.8f, 0.8f, 1.f}));

    // The end disables texturing on the active unit and keeps the bindings.
    glEnable(GL_TEXTURE_2D);
    material.drawEndWithTexture();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(boundOnUnit(31), int(material.getTexture(31)));

    // The one-texture start uses the active unit alone.
    glActiveTexture(GL_TEXTURE5);
    material.drawStartWithOneTexture();
    EXPECT_EQ(getInteger(GL_ACTIVE_TEXTURE), GL_TEXTURE5);
    EXPECT_EQ(boundOnUnit(5), int(material.getTexture(0)));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    material.drawEnd();
    glDeleteTextures(1, &stray);
}

TEST_F(MaterialTest, CopiesTakeNoUsesAndAssignmentMovesThem) {
    Material a, b;
    ASSERT_TRUE(a.loadTexture(paths[0].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(a.loadTexture(paths[1].c_str(), 1, GL_LINEAR));
    ASSERT_TRUE(b.loadTexture(paths[1].c_str(), 0, GL_LINEAR));
    ASSERT_TRUE(b.loadTexture(paths[2].c_str(), 2, GL_LINEAR));
    b.setDiffuse(0.1f, 0.2f, 0.3f);
    unsigned int onlyA = a.getTexture(0), shared = a.getTexture(1), onlyB = b.getTexture(2);
    ASSERT_EQ(TextureListProbe::uses(shared), 2u);

    {
        Material copy(b);
        EXPECT_EQ(copy.getTexture(2), onlyB);
        copy.cantDelete();
    }
    EXPECT_EQ(TextureListProbe::uses(onlyB), 1u);
    EXPECT_EQ(TextureListProbe::uses(shared), 2u);

    {
        Material target;
        target = a;
        EXPECT_EQ(TextureListProbe::uses(onlyA), 2u);
        EXPECT_EQ(TextureListProbe::uses(shared), 3u);
        // Reassigned: B's textures gain a use, A's former ones lose one.
        target = b;
        EXPECT_EQ(TextureListProbe::uses(onlyA), 1u);
        EXPECT_EQ(TextureListProbe::uses(shared), 3u);
        EXPECT_EQ(TextureListProbe::uses(onlyB), 2u);
        EXPECT_EQ(target.getTexture(0), shared);
        EXPECT_EQ(target.getTexture(1), 0u);
        EXPECT_EQ(target.getTexture(2), onlyB);
        target.drawNoTexture();
        EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.1f, 0.2f, 0.3f, 1.f}));
        EXPECT_TRUE(target.haveTexture());
    }
    // The target of an assignment gives nothing back when destroyed...
    EXPECT_EQ(TextureListProbe::uses(shared), 3u);
    EXPECT_EQ(TextureListProbe::uses(onlyB), 2u);

    // ...and a texture held on both sides of an assignment survives it.
    a = b;
    EXPECT_FALSE(glIsTexture(onlyA));
    EXPECT_EQ(TextureListProbe::uses(shared), 3u);
    EXPECT_EQ(TextureListProbe::uses(onlyB), 3u);

    // Both are marked now: their holders give the textures back.
    a.removeAllTextures();
    b.removeAllTextures();
    EXPECT_EQ(TextureListProbe::uses(shared), 1u);
    EXPECT_EQ(TextureListProbe::uses(onlyB), 1u);
    zelk::Texture2DList::deleteAllTextures();
}

// The text of each attribute of the selected element, in order.
std::vector<std::string> attributes(XML& xml) {
    std::vector<std::string> texts;
    for (unsigned int i = 0; xml.getSelectedAttributeName(i); ++i) {
        texts.push_back(std::string(xml.getSelectedAttributeName(i)) + "=" +
                        xml.getSelectedAttributeValue(i));
    }
    return texts;
}

TEST_F(MaterialTest, WritesTheMaterialElementAndReadsItBack) {
    Material written;
    written.setEmission(0.5f, 0.25f, 0.125f, 1.f);
    ASSERT_TRUE(written.loadTexture(paths[0].c_str(), 0, GL_NEAREST));
    ASSERT_TRUE(written.loadTexture(paths[1].c_str(), 3, GL_LINEAR));

    XML xml("<mesh/>");
    ASSERT_TRUE(xml.selectRoot());
    ASSERT_TRUE(written.writeToXML(&xml, 7));
    EXPECT_STREQ(xml.getSelectedName(), "mesh");

    ASSERT_TRUE(xml.selectChild("material_7"));
    std::vector<std::string> children;
    for (unsigned int i = 0; xml.selectChild(i); ++i) {
        children.push_back(xml.getSelectedName());
        xml.selectFather();
    }
    EXPECT_EQ(children, (std::vector<std::string>{"ambient", "diffuse", "specular", "emission",
                                                  "shininess", "texture_0", "texture_3"}));
    ASSERT_TRUE(xml.selectChild("ambient"));
    EXPECT_EQ(attributes(xml),
              (std::vector<std::string>{"value0=0.2", "value1=0.2", "value2=0.2", "value3=1.0"}));
    xml.selectFather();
    ASSERT_TRUE(xml.selectChild("emission"));
    EXPECT_EQ(attributes(xml), (std::vector<std::string>{"value0=0.5", "value1=0.25",
                                                         "value2=0.125", "value3=1.0"}));
    xml.selectFather();
    ASSERT_TRUE(xml.selectChild("texture_3"));
    EXPECT_EQ(attributes(xml), (std::vector<std::string>{"filter=9729"}));
    EXPECT_EQ(std::string(xml.getSelectedString()), paths[1]);
    xml.selectFather();
    ASSERT_TRUE(xml.selectChild("texture_0"));
    EXPECT_EQ(attributes(xml), (std::vector<std::string>{"filter=9728"}));
    xml.selectRoot();

    // The reader's own textures go; slot 5 has no element.
    Material read;
    read.setAmbient(1.f, 1.f, 1.f);
    read.setDiffuse(0.f, 0.f, 0.f);
    ASSERT_TRUE(read.loadTexture(paths[2].c_str(), 5, GL_LINEAR));
    unsigned int dropped = read.getTexture(5);
    ASSERT_TRUE(read.readFromXML(&xml, 7));
    EXPECT_STREQ(xml.getSelectedName(), "mesh");
    EXPECT_FALSE(glIsTexture(dropped));
    EXPECT_EQ(read.getTexture(5), 0u);
    EXPECT_EQ(read.getTexture(0), written.getTexture(0));
    EXPECT_EQ(read.getTexture(3), written.getTexture(3));
    EXPECT_EQ(TextureListProbe::uses(written.getTexture(3)), 2u);
    read.drawNoTexture();
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.2f, 0.2f, 0.2f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.8f, 0.8f, 0.8f, 1.f}));
    EXPECT_EQ(frontMaterial(GL_EMISSION), (std::vector<float>{0.5f, 0.25f, 0.125f, 1.f}));
}

TEST_F(MaterialTest, ReadingTrimsNamesAndKeepsWhatIsMissing) {
    std::string document = "<mesh><material_2><diffuse value0='0.5' value2='0.25'/>"
                           "<texture_3 filter='9728'>\n\t" +
                           paths[1] +
                           "\n\t</texture_3><texture_4 filter='9728'>\n\t\t\n</texture_4>"
                           "<texture_6>" +
                           folder.file("missing.png") + "</texture_6></material_2></mesh>";
    XML xml(document.c_str());
    ASSERT_TRUE(xml.selectRoot());

    Material material;
    material.setSpecular(0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_FALSE(material.readFromXML(&xml, 3));
    EXPECT_FALSE(material.readFromXML(nullptr, 2));
    EXPECT_STREQ(xml.getSelectedName(), "mesh");
    EXPECT_FALSE(material.haveTexture());

    ASSERT_TRUE(material.readFromXML(&xml, 2));
    EXPECT_STREQ(xml.getSelectedName(), "mesh");
    material.drawNoTexture();
    // Missing attributes read as 0; missing children keep their colour.
    EXPECT_EQ(frontMaterial(GL_DIFFUSE), (std::vector<float>{0.5f, 0.f, 0.25f, 0.f}));
    EXPECT_EQ(frontMaterial(GL_SPECULAR), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.2f, 0.2f, 0.2f, 1.f}));

    unsigned int code = material.getTexture(3);
    ASSERT_NE(code, 0u);
    EXPECT_STREQ(zelk::Texture2DList::getTextureName(code), paths[1].c_str());
    EXPECT_EQ(zelk::Texture2DList::getTextureFilter(code), unsigned(GL_NEAREST));
    EXPECT_EQ(material.getTexture(4), 0u);
    EXPECT_EQ(material.getTexture(6), 0u);
    material.removeAllTextures();
    EXPECT_FALSE(glIsTexture(code));
}

TEST_F(MaterialTest, WritingWithoutAnythingSelectedLeavesNothingSelected) {
    Material material;
    XML xml;
    EXPECT_FALSE(material.writeToXML(nullptr, 1));
    ASSERT_TRUE(material.writeToXML(&xml, 1));
    EXPECT_FALSE(xml.haveSelected());
    Material read;
    read.setAmbient(0.f, 0.f, 0.f);
    ASSERT_TRUE(read.readFromXML(&xml, 1));
    EXPECT_FALSE(xml.haveSelected());
    read.drawNoTexture();
    EXPECT_EQ(frontMaterial(GL_AMBIENT), (std::vector<float>{0.2f, 0.2f, 0.2f, 1.f}));
}

} // namespace
