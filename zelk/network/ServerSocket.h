#ifndef ZELK_NETWORK_SERVERSOCKET_H
#define ZELK_NETWORK_SERVERSOCKET_H

#include "zelk/network/Socket.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {
namespace network {

// A socket that keeps a table of the peers it deals with, one entry per
// address.
class ServerSocket : public Socket {
public:
    // One peer: its address and its sockaddr_in.
    class nodeAdress {
    public:
        nodeAdress();
        nodeAdress(Adress adress, sockaddr_in address);
        virtual ~nodeAdress();

        Adress adress;
        sockaddr_in address;
    };

    // The peers ordered by address. The table owns its entries.
    class treeAdress : public vector::BinaryTree<nodeAdress*> {
    public:
        treeAdress() = default;
        ~treeAdress() override;
        treeAdress(const treeAdress&) = delete;
        treeAdress& operator=(const treeAdress&) = delete;

        bool firstBiggerSecond(nodeAdress* first, nodeAdress* second) override;
        bool firstEqualSecond(nodeAdress* first, nodeAdress* second) override;

        // A new entry; false for a zero ip or port, or an address present.
        bool addAdress(Adress adress, sockaddr_in address);
        // The entry of the address, or null.
        nodeAdress* getAdress(Adress adress);
        // Takes the entry out and deletes it.
        bool removeAdress(Adress adress);
        void deleteAllAdress();
    };

protected:
    treeAdress adresses;
};

} // namespace network
} // namespace zelk

#endif
