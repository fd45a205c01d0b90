#ifndef ZELK_SFMLERRORHOLD_H
#define ZELK_SFMLERRORHOLD_H

#include <sstream>

namespace zelk {

// SFML explains its own failures, without naming the file, on its error
// stream (sf::err()). While a hold lives, that text is kept back; when the
// hold ends, the text goes on to where it was going, unless the loader
// dropped it because its own report, which names the file, stands in for it.
// Internal to the loaders that decode through SFML.
//
// The stream is one for the process: holds belong to the loading thread.
// They nest, each giving back the stream it found.
class SFMLErrorHold {
public:
    SFMLErrorHold();
    ~SFMLErrorHold();
    SFMLErrorHold(const SFMLErrorHold&) = delete;
    SFMLErrorHold& operator=(const SFMLErrorHold&) = delete;

    // What was held, and what comes later, goes nowhere.
    void drop();

private:
    std::stringbuf held;
    std::streambuf* previous;
    bool dropped;
};

} // namespace zelk

#endif
