#include "zelk/material/Material.h"

#include "zelk/ElementXML.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"
#include "zelk/String.h"
#include "zelk/XML.h"

#include <cstdio>

namespace zelk {
namespace material {

namespace {

// OpenGL's numbers for the material's face, its parameters, 2D texturing
// and the first texture unit.
const unsigned int frontFace = 0x0404;
const unsigned int ambientParameter = 0x1200, diffuseParameter = 0x1201, specularParameter = 0x1202,
                   emissionParameter = 0x1600, shininessParameter = 0x1601;
const unsigned int texture2D = 0x0DE1;
const unsigned int textureUnit0 = 0x84C0;

const int colourCount = 5;
const char* const colourNames[colourCount] = {"ambient", "diffuse", "specular", "emission",
                                              "shininess"};
const char* const valueNames[4] = {"value0", "value1", "value2", "value3"};
const char* const elementPrefix = "material_";
const char* const texturePrefix = "texture_";

void setColour(float* colour, float r, float g, float b, float a) {
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = a;
}

void copyColour(float* to, const float* from) {
    setColour(to, from[0], from[1], from[2], from[3]);
}

} // namespace

Material::Material() : textures(), textureCount(0), canDeleteMaterial(true) {
    setColour(ambient, 0.2f, 0.2f, 0.2f, 1.f);
    setColour(diffuse, 0.8f, 0.8f, 0.8f, 1.f);
    setColour(specular, 0.f, 0.f, 0.f, 1.f);
    setColour(emission, 0.f, 0.f, 0.f, 1.f);
    setColour(shininess, 0.f, 0.f, 0.f, 1.f);
}

Material::Material(const Material& other)
    : textureCount(other.textureCount), canDeleteMaterial(other.canDeleteMaterial) {
    copyColour(ambient, other.ambient);
    copyColour(diffuse, other.diffuse);
    copyColour(specular, other.specular);
    copyColour(emission, other.emission);
    copyColour(shininess, other.shininess);
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        textures[slot] = other.textures[slot];
    }
}

Material::~Material() {
    if (canDeleteMaterial) {
        removeAllTextures();
    }
}

Material Material::operator=(Material source) {
    uint32 old[textureSlots];
    // Every new use is taken before an old one is given back, so a texture
    // held on both sides survives.
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        old[slot] = textures[slot];
        textures[slot] = source.textures[slot];
        if (textures[slot] != 0) {
            textureList.retainTexture(textures[slot]);
        }
    }
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        if (old[slot] != 0) {
            textureList.removeTexture(old[slot]);
        }
    }
    copyColour(ambient, source.ambient);
    copyColour(diffuse, source.diffuse);
    copyColour(specular, source.specular);
    copyColour(emission, source.emission);
    copyColour(shininess, source.shininess);
    textureCount = source.textureCount;
    source.cantDelete();
    cantDelete();
    return Material(source);
}

bool Material::loadTexture(char* fileName, uint8 position, uint32 filter) {
    if (position >= textureSlots) {
        return false;
    }
    // The name may be the one the list keeps for this slot's texture, which
    // emptying the slot can delete: the list is given a copy.
    char* name = String::strCopy(fileName);
    removeTexture(position);
    bool loaded = fillSlot(position, textureList.loadTexture(name, filter));
    delete[] name;
    return loaded;
}

bool Material::loadTexture(const char* fileName, uint8 position, uint32 filter) {
    return loadTexture(const_cast<char*>(fileName), position, filter);
}

bool Material::loadTextureFromMemory(char* name, uint8* data, uint32 size, uint8 position,
                                     uint32 filter) {
    if (position >= textureSlots) {
        return false;
    }
    char* kept = String::strCopy(name);
    removeTexture(position);
    bool loaded = fillSlot(position, textureList.loadTextureFromMemory(kept, data, size, filter));
    delete[] kept;
    return loaded;
}

bool Material::loadTextureFromMemory(const char* name, uint8* data, uint32 size, uint8 position,
                                     uint32 filter) {
    return loadTextureFromMemory(const_cast<char*>(name), data, size, position, filter);
}

bool Material::fillSlot(uint8 position, uint32 code) {
    textures[position] = code;
    if (code == 0) {
        return false;
    }
    textureCount++;
    return true;
}

void Material::setAmbient(float r, float g, float b, float a) {
    setColour(ambient, r, g, b, a);
}

void Material::setAmbient(float r, float g, float b) {
    setAmbient(r, g, b, 1.f);
}

void Material::setAmbient(color4f32 color) {
    setAmbient(color.r, color.g, color.b, color.a);
}

void Material::setAmbient(color3f32 color) {
    setAmbient(color.r, color.g, color.b);
}

void Material::setDiffuse(float r, float g, float b, float a) {
    setColour(diffuse, r, g, b, a);
}

void Material::setDiffuse(float r, float g, float b) {
    setDiffuse(r, g, b, 1.f);
}

void Material::setDiffuse(color4f32 color) {
    setDiffuse(color.r, color.g, color.b, color.a);
}

void Material::setDiffuse(color3f32 color) {
    setDiffuse(color.r, color.g, color.b);
}

void Material::setAmbientAndDiffuse(float r, float g, float b, float a) {
    setAmbient(r, g, b, a);
    setDiffuse(r, g, b, a);
}

void Material::setAmbientAndDiffuse(float r, float g, float b) {
    setAmbientAndDiffuse(r, g, b, 1.f);
}

void Material::setAmbientAndDiffuse(color4f32 color) {
    setAmbientAndDiffuse(color.r, color.g, color.b, color.a);
}

void Material::setAmbientAndDiffuse(color3f32 color) {
    setAmbientAndDiffuse(color.r, color.g, color.b);
}

void Material::setSpecular(float r, float g, float b, float a) {
    setColour(specular, r, g, b, a);
}

void Material::setSpecular(float r, float g, float b) {
    setSpecular(r, g, b, 1.f);
}

void Material::setSpecular(color4f32 color) {
    setSpecular(color.r, color.g, color.b, color.a);
}

void Material::setSpecular(color3f32 color) {
    setSpecular(color.r, color.g, color.b);
}

void Material::setEmission(float r, float g, float b, float a) {
    setColour(emission, r, g, b, a);
}

void Material::setEmission(float r, float g, float b) {
    setEmission(r, g, b, 1.f);
}

void Material::setEmission(color4f32 color) {
    setEmission(color.r, color.g, color.b, color.a);
}

void Material::setEmission(color3f32 color) {
    setEmission(color.r, color.g, color.b);
}

void Material::setShininess(float r, float g, float b, float a) {
    setColour(shininess, r, g, b, a);
}

void Material::setShininess(float r, float g, float b) {
    setShininess(r, g, b, 1.f);
}

void Material::setShininess(color4f32 color) {
    setShininess(color.r, color.g, color.b, color.a);
}

void Material::setShininess(color3f32 color) {
    setShininess(color.r, color.g, color.b);
}

uint32 Material::getTexture(uint8 position) {
    return position < textureSlots ? textures[position] : 0;
}

size2ui32 Material::getTextureSize(uint8 position) {
    if (position >= textureSlots) {
        return size2ui32();
    }
    return textureList.getTextureSize(textures[position]);
}

uint32 Material::getTextureWidth(uint8 position) {
    return position < textureSlots ? getTextureSize(position).width : 0;
}

uint32 Material::getTextureHeight(uint8 position) {
    return position < textureSlots ? getTextureSize(position).height : 0;
}

bool Material::removeTexture(uint8 position) {
    return emptySlot(position, false);
}

void Material::removeAllTextures() {
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        removeTexture(slot);
    }
}

bool Material::deleteTexture(uint8 position) {
    return emptySlot(position, true);
}

bool Material::emptySlot(uint8 position, bool whateverUses) {
    if (position >= textureSlots) {
        return false;
    }
    uint32 code = textures[position];
    bool answer = whateverUses ? textureList.deleteTexture(code) : textureList.removeTexture(code);
    if (code != 0 && textureCount > 0) {
        textureCount--;
    }
    textures[position] = 0;
    return answer;
}

void Material::useMaterialParameters() {
    GU::guMaterialfv32(frontFace, ambientParameter, ambient);
    GU::guMaterialfv32(frontFace, diffuseParameter, diffuse);
    GU::guMaterialfv32(frontFace, specularParameter, specular);
    GU::guMaterialfv32(frontFace, emissionParameter, emission);
    GU::guMaterialfv32(frontFace, shininessParameter, shininess);
}

void Material::drawNoTexture() {
    useMaterialParameters();
}

void Material::drawStartWithOneTexture() {
    GU::guEnable(texture2D);
    GU::guUseTexture2D(textures[0]);
    useMaterialParameters();
}

void Material::drawStartWithMultiTexture() {
    GU::guEnable(texture2D);
    if (GU_GLSL::guShaderInitiate()) {
        for (uint8 unit = textureSlots - 1; unit >= 1; unit--) {
            GU_GLSL::guActiveTexture(textureUnit0 + unit);
            GU::guUseTexture2D(textures[unit]);
        }
        GU_GLSL::guActiveTexture(textureUnit0);
    }
    GU::guUseTexture2D(textures[0]);
    useMaterialParameters();
}

void Material::drawEndWithTexture() {
    GU::guDisable(texture2D);
}

void Material::drawStart() {
    if (haveTexture()) {
        drawStartWithMultiTexture();
    } else {
        drawNoTexture();
    }
}

void Material::drawEnd() {
    drawEndWithTexture();
}

// The material's element and its texture elements are selected by name once
// added, so each is the first of its number under its node.
bool Material::writeToXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::add(xml, elementPrefix, id) ||
        !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    float* colours[colourCount] = {ambient, diffuse, specular, emission, shininess};
    for (int c = 0; c < colourCount; c++) {
        if (!xml->addSelectedNextChild(colourNames[c]) || !xml->selectChild(colourNames[c])) {
            continue;
        }
        for (int v = 0; v < 4; v++) {
            ElementXML::writeFloat(xml, valueNames[v], colours[c][v]);
        }
        xml->selectFather();
    }
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        char* fileName = textures[slot] ? textureList.getTextureName(textures[slot]) : nullptr;
        if (fileName && ElementXML::add(xml, texturePrefix, slot) &&
            ElementXML::select(xml, texturePrefix, slot)) {
            xml->setSelectedString(fileName);
            ElementXML::writeInteger(xml, "filter", textureList.getTextureFilter(textures[slot]));
            xml->selectFather();
        }
    }
    ElementXML::close(xml);
    return true;
}

bool Material::readFromXML(XML* xml, unsigned int id) {
    if (!xml || !ElementXML::select(xml, elementPrefix, id)) {
        return false;
    }
    float* colours[colourCount] = {ambient, diffuse, specular, emission, shininess};
    for (int c = 0; c < colourCount; c++) {
        if (!xml->selectChild(colourNames[c])) {
            continue;
        }
        for (int v = 0; v < 4; v++) {
            colours[c][v] = ElementXML::readFloat(xml, valueNames[v]);
        }
        xml->selectFather();
    }
    removeAllTextures();
    for (uint8 slot = 0; slot < textureSlots; slot++) {
        if (ElementXML::select(xml, texturePrefix, slot)) {
            char* fileName = ElementXML::filteredText(xml);
            if (fileName) {
                uint32 filter = static_cast<uint32>(ElementXML::readInteger(xml, "filter"));
                loadTexture(fileName, slot, filter);
            }
            delete[] fileName;
            xml->selectFather();
        }
    }
    ElementXML::close(xml);
    return true;
}

void Material::printTexture(uint8 position) {
    if (position < textureSlots) {
        printf("%u", textures[position]);
    }
}

void Material::printAmbient() {
    printf("\nAmbient");
    for (int v = 0; v < 4; v++) {
        printf(" %.2f", ambient[v]);
    }
    fflush(stdout);
}

} // namespace material
} // namespace zelk
