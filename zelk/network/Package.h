#ifndef ZELK_NETWORK_PACKAGE_H
#define ZELK_NETWORK_PACKAGE_H

#include "zelk/TypeVars.h"

namespace zelk {
namespace network {

// One network packet of the engine: a 24-byte header and a payload room.
// The packet on the wire is the header, little-endian without gaps
// (magic u64, size, id, position, packages as u32), then the room: size
// bytes of payload and zeros after them. The package keeps the whole packet
// in one buffer, ready to send; every change of the header is written into
// it at once.
class Package {
public:
    class PackHeader {
    public:
        static const uint64 magicNumber = 0xAA9966557BDE8421ull;

        PackHeader();
        void clean();
        bool isBroken();

        uint64 magic;
        // Payload bytes that carry data.
        uint32 size;
        // The vector the package belongs to, chosen by the sender.
        uint32 id;
        // The package's index in its vector, from 0.
        uint32 position;
        // How many packages the vector was split into.
        uint32 packages;
    };

    static const unsigned int headerBytes = 24;

    Package();
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // A zeroed buffer of header and room bytes; the header's size becomes 0.
    // False for a room of 0 or one too large to add the header to.
    bool newVector(unsigned int room);
    bool updateVector();
    void deleteVector();

    // Copies size payload bytes in, into a room of bufferSize bytes (of size
    // bytes when bufferSize is 0), zeroing the rest of the room. False for
    // null data, size 0 or a room smaller than size.
    bool drawVector(void* data, unsigned int size, unsigned int bufferSize);
    bool drawVector(void* data, unsigned int size, unsigned int bufferSize, unsigned int position,
                    unsigned int id, unsigned int packages);

    // Builds the package from a received packet of length bytes: false for
    // fewer than 26 bytes, a broken header, or a header announcing more
    // payload than the packet holds.
    bool addPackage(void* data, unsigned int length);

    bool setHeader(unsigned int position, unsigned int id, unsigned int packages);
    // Takes the position, id and count of the 24 header bytes at header
    // (never their size); false for null or a broken header.
    bool setHeader(void* header);

    unsigned int getID();
    unsigned int getPosition();
    unsigned int getPackages();
    unsigned int getPackageSize();
    // The whole packet and its length, header included: what is sent. Null
    // and 0 without a buffer.
    void* getVec();
    unsigned int getVecSize();
    // The payload; null without a buffer.
    void* getPackageVector();

    // Readers of a received packet in place. Each needs 24 readable bytes at
    // data; null data answers false or 0.
    static bool headerIsBroken(void* data);
    static unsigned int getHeaderPosition(void* data);
    static unsigned int getHeaderId(void* data);
    static unsigned int getHeaderPackages(void* data);

private:
    PackHeader header;
    uint8* vec;
    unsigned int vecSize;
    unsigned int headerSize;
};

} // namespace network
} // namespace zelk

#endif
