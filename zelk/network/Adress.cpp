#include "zelk/network/Adress.h"

#include "zelk/String.h"
#include "zelk/platform/Sockets.h"

#include <cstdio>

namespace zelk {
namespace network {

Adress::Adress() : port(0), ip(0) {}

Adress::Adress(unsigned char a, unsigned char b, unsigned char c, unsigned char d,
               unsigned short port)
    : Adress() {
    setIP(a, b, c, d);
    setPort(port);
}

Adress::Adress(char* host, unsigned short port) : Adress() {
    setIP(host);
    setPort(port);
}

Adress::Adress(const char* host, unsigned short port) : Adress(const_cast<char*>(host), port) {}

bool Adress::setIP(unsigned char a, unsigned char b, unsigned char c, unsigned char d) {
    unsigned int packed = getIP(a, b, c, d);
    if (packed == 0)
        return false;
    ip = packed;
    return true;
}

bool Adress::setIP(char* host) {
    ip = 0;
    if (!host)
        return false;
    ip = getIpByName(host);
    return true;
}

bool Adress::setIP(const char* host) {
    return setIP(const_cast<char*>(host));
}

bool Adress::setPort(unsigned short value) {
    if (value == 0)
        return false;
    port = value;
    return true;
}

unsigned int Adress::getIP() {
    return ip;
}

unsigned short Adress::getPort() {
    return port;
}

unsigned int Adress::getIP(unsigned char a, unsigned char b, unsigned char c, unsigned char d) {
    return static_cast<unsigned int>(a) << 24 | static_cast<unsigned int>(b) << 16 |
           static_cast<unsigned int>(c) << 8 | d;
}

unsigned int Adress::getIP(char* text) {
    if (!text)
        return 0;
    unsigned int octets[4];
    char* cursor = text;
    octets[0] = static_cast<unsigned int>(String::strToInt32(cursor)) & 255;
    for (int octet = 1; octet < 4; octet++) {
        if (!ipFindCharacter(&cursor, '.'))
            return 0;
        octets[octet] = static_cast<unsigned int>(String::strToInt32(cursor)) & 255;
    }
    return octets[0] << 24 | octets[1] << 16 | octets[2] << 8 | octets[3];
}

unsigned int Adress::getIP(const char* text) {
    return getIP(const_cast<char*>(text));
}

unsigned int Adress::getIpByName(char* host) {
    return platform::resolveHostIPv4(host);
}

unsigned int Adress::getIpByName(const char* host) {
    return platform::resolveHostIPv4(host);
}

unsigned int Adress::getIpNumber(unsigned int ip, unsigned char n) {
    return n > 3 ? 0 : ip >> (8 * n);
}

bool Adress::ipToString(unsigned int ip, char* buffer) {
    if (!buffer)
        return false;
    std::snprintf(buffer, 16, "%u.%u.%u.%u", getIpNumber(ip, 3) & 255, getIpNumber(ip, 2) & 255,
                  getIpNumber(ip, 1) & 255, ip & 255);
    return true;
}

char* Adress::ipToString(unsigned int ip) {
    char* text = new char[16];
    ipToString(ip, text);
    return text;
}

void Adress::printIP() {
    printIP(ip);
}

void Adress::printIP(unsigned int ip) {
    char text[16];
    ipToString(ip, text);
    std::printf("%s", text);
}

bool Adress::operator==(const Adress& other) const {
    return ip == other.ip && port == other.port;
}

bool Adress::operator!=(const Adress& other) const {
    return !(*this == other);
}

bool Adress::operator>(const Adress& other) const {
    return ip > other.ip || (ip == other.ip && port > other.port);
}

bool Adress::ipFindCharacter(char** cursor, char c) {
    if (!cursor || !*cursor)
        return false;
    while (**cursor && **cursor != c)
        (*cursor)++;
    if (!**cursor)
        return false;
    (*cursor)++;
    return true;
}

} // namespace network
} // namespace zelk
