#include "zelk/network/Package.h"

#include <cstring>

namespace zelk {
namespace network {

namespace {

// Field offsets in the header on the wire.
const unsigned int magicAt = 0;
const unsigned int sizeAt = 8;
const unsigned int idAt = 12;
const unsigned int positionAt = 16;
const unsigned int packagesAt = 20;

uint64 readLittle(const void* data, unsigned int at, unsigned int bytes) {
    const uint8* from = static_cast<const uint8*>(data) + at;
    uint64 value = 0;
    for (unsigned int byte = bytes; byte-- > 0;)
        value = value << 8 | from[byte];
    return value;
}

void writeLittle(uint8* to, unsigned int at, unsigned int bytes, uint64 value) {
    for (unsigned int byte = 0; byte < bytes; byte++, value >>= 8)
        to[at + byte] = static_cast<uint8>(value);
}

uint32 readField(const void* data, unsigned int at) {
    return static_cast<uint32>(readLittle(data, at, 4));
}

} // namespace

Package::PackHeader::PackHeader() {
    clean();
}

void Package::PackHeader::clean() {
    magic = magicNumber;
    size = 0;
    id = 0;
    position = 0;
    packages = 0;
}

bool Package::PackHeader::isBroken() {
    return magic != magicNumber;
}

Package::Package() : vec(nullptr), vecSize(0), headerSize(headerBytes) {}

Package::~Package() {
    deleteVector();
}

bool Package::newVector(unsigned int room) {
    deleteVector();
    if (room == 0 || room > 0xFFFFFFFFu - headerSize)
        return false;
    vecSize = room;
    vec = new uint8[headerSize + room]();
    return updateVector();
}

bool Package::updateVector() {
    if (!vec)
        return false;
    writeLittle(vec, magicAt, 8, header.magic);
    writeLittle(vec, sizeAt, 4, header.size);
    writeLittle(vec, idAt, 4, header.id);
    writeLittle(vec, positionAt, 4, header.position);
    writeLittle(vec, packagesAt, 4, header.packages);
    return true;
}

void Package::deleteVector() {
    delete[] vec;
    vec = nullptr;
    header.size = 0;
    vecSize = 0;
}

bool Package::drawVector(void* data, unsigned int size, unsigned int bufferSize) {
    if (!data || size == 0)
        return false;
    unsigned int room = bufferSize ? bufferSize : size;
    if (vecSize != room)
        newVector(room);
    if (!vec || vecSize < size)
        return false;
    header.size = size;
    std::memcpy(vec + headerSize, data, size);
    std::memset(vec + headerSize + size, 0, vecSize - size);
    return updateVector();
}

bool Package::drawVector(void* data, unsigned int size, unsigned int bufferSize,
                         unsigned int position, unsigned int id, unsigned int packages) {
    setHeader(position, id, packages);
    return drawVector(data, size, bufferSize);
}

bool Package::addPackage(void* data, unsigned int length) {
    if (!data || length <= headerSize + 1 || headerIsBroken(data))
        return false;
    uint8* packet = static_cast<uint8*>(data);
    return drawVector(packet + headerSize, readField(packet, sizeAt), length - headerSize,
                      getHeaderPosition(packet), getHeaderId(packet), getHeaderPackages(packet));
}

bool Package::setHeader(unsigned int position, unsigned int id, unsigned int packages) {
    header.position = position;
    header.id = id;
    header.packages = packages;
    return updateVector();
}

bool Package::setHeader(void* data) {
    if (!data || headerIsBroken(data))
        return false;
    return setHeader(getHeaderPosition(data), getHeaderId(data), getHeaderPackages(data));
}

unsigned int Package::getID() {
    return header.id;
}

unsigned int Package::getPosition() {
    return header.position;
}

unsigned int Package::getPackages() {
    return header.packages;
}

unsigned int Package::getPackageSize() {
    return header.size;
}

void* Package::getVec() {
    return vec;
}

unsigned int Package::getVecSize() {
    return vec ? vecSize + headerSize : 0;
}

void* Package::getPackageVector() {
    return vec ? vec + headerSize : nullptr;
}

bool Package::headerIsBroken(void* data) {
    return data && readLittle(data, magicAt, 8) != PackHeader::magicNumber;
}

unsigned int Package::getHeaderPosition(void* data) {
    return data ? readField(data, positionAt) : 0;
}

unsigned int Package::getHeaderId(void* data) {
    return data ? readField(data, idAt) : 0;
}

unsigned int Package::getHeaderPackages(void* data) {
    return data ? readField(data, packagesAt) : 0;
}

} // namespace network
} // namespace zelk
