#ifndef ZELK_NETWORK_ADRESS_H
#define ZELK_NETWORK_ADRESS_H

namespace zelk {
namespace network {

// An IPv4 endpoint in host byte order: a.b.c.d is held as
// a<<24 | b<<16 | c<<8 | d. An ip or port of 0 means none is set.
class Adress {
public:
    Adress();
    Adress(unsigned char a, unsigned char b, unsigned char c, unsigned char d, unsigned short port);
    // Resolves the host name (or dotted text); the ip stays 0 when it does
    // not resolve.
    Adress(char* host, unsigned short port);
    Adress(const char* host, unsigned short port);

    // 0.0.0.0 is refused and changes nothing.
    bool setIP(unsigned char a, unsigned char b, unsigned char c, unsigned char d);
    // Resolves the host; false only for null (the ip is then 0).
    bool setIP(char* host);
    bool setIP(const char* host);
    // 0 is refused and changes nothing.
    bool setPort(unsigned short port);

    unsigned int getIP();
    unsigned short getPort();
    static unsigned int getIP(unsigned char a, unsigned char b, unsigned char c, unsigned char d);
    // Dotted text a.b.c.d, each number taken modulo 256 (300.1.2.3 reads as
    // 44.1.2.3); 0 for null or a text with fewer than three points.
    static unsigned int getIP(char* text);
    static unsigned int getIP(const char* text);
    // The first IPv4 address of a host name or dotted text; 0 when it does
    // not resolve.
    static unsigned int getIpByName(char* host);
    static unsigned int getIpByName(const char* host);
    // The ip shifted right by n octets: n = 0 keeps the last octet lowest, 3
    // the first; 0 for n above 3.
    static unsigned int getIpNumber(unsigned int ip, unsigned char n);

    // Writes the dotted text into a buffer of at least 16 bytes; never more.
    static bool ipToString(unsigned int ip, char* buffer);
    // The dotted text in a new 16-byte array the caller deletes.
    static char* ipToString(unsigned int ip);
    // Prints the dotted text on standard output, without a line end.
    void printIP();
    static void printIP(unsigned int ip);

    bool operator==(const Adress& other) const;
    bool operator!=(const Adress& other) const;
    // By ip, then by port.
    bool operator>(const Adress& other) const;

    unsigned short port;
    unsigned int ip;

private:
    // Moves the cursor just past the next c; false, with the cursor on the
    // terminating NUL, when there is none.
    static bool ipFindCharacter(char** cursor, char c);
};

} // namespace network
} // namespace zelk

#endif
