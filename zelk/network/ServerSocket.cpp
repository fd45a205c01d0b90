#include "zelk/network/ServerSocket.h"

namespace zelk {
namespace network {

ServerSocket::nodeAdress::nodeAdress() : address(getAdress(0u)) {}

ServerSocket::nodeAdress::nodeAdress(Adress adress, sockaddr_in address)
    : adress(adress), address(address) {}

ServerSocket::nodeAdress::~nodeAdress() = default;

ServerSocket::treeAdress::~treeAdress() {
    deleteAllAdress();
}

bool ServerSocket::treeAdress::firstBiggerSecond(nodeAdress* first, nodeAdress* second) {
    return first->adress > second->adress;
}

bool ServerSocket::treeAdress::firstEqualSecond(nodeAdress* first, nodeAdress* second) {
    return first->adress == second->adress;
}

bool ServerSocket::treeAdress::addAdress(Adress adress, sockaddr_in address) {
    if (adress.ip == 0 || adress.port == 0)
        return false;
    nodeAdress* entry = new nodeAdress(adress, address);
    if (add(entry))
        return true;
    delete entry;
    return false;
}

ServerSocket::nodeAdress* ServerSocket::treeAdress::getAdress(Adress adress) {
    nodeAdress probe(adress, Socket::getAdress(0u));
    return getElement(&probe);
}

bool ServerSocket::treeAdress::removeAdress(Adress adress) {
    nodeAdress* entry = getAdress(adress);
    if (!entry || !remove(entry))
        return false;
    delete entry;
    return true;
}

void ServerSocket::treeAdress::deleteAllAdress() {
    walk(true, [](vector::BinaryLeaf<nodeAdress*>* node) {
        delete node->value;
        node->value = nullptr;
        return true;
    });
    clean();
}

} // namespace network
} // namespace zelk
