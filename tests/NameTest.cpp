#include "zelk/vector/Name.h"
#include "zelk/ObjectNameTree.h"
#include "zelk/ObjectWithName.h"
#include "zelk/vector/NameTree.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelk::ObjectNameTree;
using zelk::ObjectWithName;
using zelk::test::captureStdout;
using zelk::vector::Name;
using zelk::vector::NameTree;

namespace {

// A name that counts its instances, to see what a tree deletes.
class CountedName : public Name {
public:
    static int alive;
    explicit CountedName(const char* text) : Name(text) { alive++; }
    ~CountedName() override { alive--; }
};
int CountedName::alive = 0;

// A shared resource that counts its instances.
class Resource : public ObjectWithName {
public:
    static int alive;
    explicit Resource(const char* name) : ObjectWithName(name) { alive++; }
    ~Resource() override { alive--; }
};
int Resource::alive = 0;

std::vector<std::string> namesByPosition(NameTree& tree) {
    std::vector<std::string> names;
    for (unsigned int position = 0; position < tree.size(); position++) {
        Name* name = tree.getElementInPosition(position);
        names.push_back(name && name->getName() ? name->getName() : "<none>");
    }
    return names;
}

} // namespace

TEST(Name, EmptyOrNullTextLeavesNoName) {
    Name empty("");
    EXPECT_EQ(nullptr, empty.getName());
    Name name("abc");
    ASSERT_NE(nullptr, name.name());
    EXPECT_STREQ("abc", name.getName());
    EXPECT_FALSE(name.setName(""));
    EXPECT_EQ(nullptr, name.getName());
    EXPECT_TRUE(name.setName("xy"));
    EXPECT_FALSE(name.setName(static_cast<char*>(nullptr)));
    EXPECT_EQ(nullptr, name.getName());
    char text[] = "kept";
    EXPECT_TRUE(name.setName(text));
    text[0] = 'X';
    EXPECT_STREQ("kept", name.getName());
    name.cleanName();
    EXPECT_EQ(nullptr, name.getName());
}

TEST(Name, SetNameKeepsItsOwnTextWhenGivenIt) {
    Name name("same");
    EXPECT_TRUE(name.setName(name.getName()));
    EXPECT_STREQ("same", name.getName());
    char* stored = name.getName();
    EXPECT_TRUE(name.setName(stored + 2));
    EXPECT_STREQ("me", name.getName());
}

TEST(Name, EqualityIsByteWise) {
    EXPECT_TRUE(Name::stringEqual("", ""));
    EXPECT_FALSE(Name::stringEqual(nullptr, ""));
    EXPECT_FALSE(Name::stringEqual("", nullptr));
    EXPECT_FALSE(Name::stringEqual("ab", "abc"));
    EXPECT_FALSE(Name::stringEqual("abc", "ab"));
    EXPECT_TRUE(Name::stringEqual("ab\xC3", "ab\xC3"));
    Name name("abc");
    EXPECT_TRUE(name.nameEqual("abc"));
    EXPECT_FALSE(name.nameEqual("abd"));
    Name none;
    EXPECT_FALSE(none.nameEqual(nullptr));
    EXPECT_FALSE(none.nameBiggerThan(""));
}

TEST(Name, OrderComparesSignedBytes) {
    EXPECT_TRUE(Name::firstNameBiggerSecond("b", "a"));
    EXPECT_TRUE(Name::firstNameBiggerSecond("abc", "ab"));
    EXPECT_TRUE(Name::firstNameBiggerSecond("abd", "abc"));
    EXPECT_FALSE(Name::firstNameBiggerSecond("ab", "abc"));
    EXPECT_FALSE(Name::firstNameBiggerSecond("ab", "ab"));
    EXPECT_FALSE(Name::firstNameBiggerSecond(nullptr, "a"));
    EXPECT_FALSE(Name::firstNameBiggerSecond("a", nullptr));
    // Bytes from 0x80 up count as negative: below NUL and every ASCII byte.
    EXPECT_FALSE(Name::firstNameBiggerSecond("ab\xC3", "ab"));
    EXPECT_TRUE(Name::firstNameBiggerSecond("ab", "ab\xC3"));
    EXPECT_TRUE(Name::firstNameBiggerSecond("a", "\xFF"));
    EXPECT_FALSE(Name::firstNameBiggerSecond("\x80", "\xFF"
                                                     "a"));
    EXPECT_TRUE(Name::firstNameBiggerSecond("\xFF", "\x80"));
    EXPECT_TRUE(Name("z\x7F").nameBiggerThan("z\x80"));
    EXPECT_FALSE(Name("z\x80").nameBiggerThan("z"));
}

TEST(Name, CantDeleteKeepsTheTextForTheCopy) {
    Name source("shared");
    {
        Name copy(source);
        EXPECT_EQ(source.getName(), copy.getName());
        copy.cantDelete();
    }
    EXPECT_STREQ("shared", source.getName());
}

TEST(NameTree, OrdersLooksUpAndRemovesByText) {
    CountedName::alive = 0;
    {
        NameTree tree;
        for (const char* text : {"b", "a", "c", "a\xC3"}) {
            EXPECT_TRUE(tree.add(new CountedName(text)));
        }
        EXPECT_EQ((std::vector<std::string>{"a\xC3", "a", "b", "c"}), namesByPosition(tree));
        CountedName twin("b");
        EXPECT_FALSE(tree.add(&twin));
        EXPECT_TRUE(tree.haveName("c"));
        EXPECT_FALSE(tree.haveName("d"));
        EXPECT_FALSE(tree.haveName(""));
        EXPECT_EQ(nullptr, tree.getElementByName(nullptr));
        Name* b = tree.getElementByName("b");
        ASSERT_NE(nullptr, b);
        EXPECT_STREQ("b", b->getName());
        EXPECT_NE(&twin, b);
        EXPECT_TRUE(tree.removeName("b"));
        EXPECT_FALSE(tree.removeName("b"));
        EXPECT_EQ(nullptr, tree.getElementByName("b"));
        EXPECT_STREQ("b", b->getName());
        EXPECT_EQ(5, CountedName::alive);
        delete b;
    }
    EXPECT_EQ(0, CountedName::alive);
}

TEST(NameTree, ACopyToldCantDeleteNamesLeavesNamesAndNodes) {
    CountedName::alive = 0;
    NameTree* source = new NameTree();
    source->add(new CountedName("x"));
    source->add(new CountedName("y"));
    {
        NameTree copy(*source);
        EXPECT_TRUE(copy.haveName("y"));
        copy.cantDeleteNames();
    }
    EXPECT_EQ(2, CountedName::alive);
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), namesByPosition(*source));
    delete source;
    EXPECT_EQ(0, CountedName::alive);
}

TEST(NameTree, ANamelessNameGoesLeftAndIsStillDeleted) {
    CountedName::alive = 0;
    {
        NameTree tree;
        tree.add(new CountedName("m"));
        CountedName* nameless = new CountedName("");
        EXPECT_TRUE(tree.add(nameless));
        EXPECT_FALSE(tree.haveElement(nameless));
        EXPECT_FALSE(tree.remove(nameless));
        EXPECT_EQ(nameless, tree.getElementInPosition(0));
        EXPECT_EQ(2u, tree.size());
    }
    EXPECT_EQ(0, CountedName::alive);
}

TEST(ObjectWithName, SetNameCopiesAndAnswersForEmpty) {
    ObjectWithName object("first");
    EXPECT_STREQ("first", object.getName());
    EXPECT_TRUE(object.setName(""));
    EXPECT_EQ(nullptr, object.name());
    EXPECT_FALSE(object.setName(static_cast<const char*>(nullptr)));
    EXPECT_EQ(nullptr, object.getName());
    EXPECT_TRUE(object.setName("second"));
    object.deleteName();
    EXPECT_EQ(nullptr, object.getName());
}

TEST(ObjectWithName, SetNameKeepsItsOwnNameWhenGivenIt) {
    ObjectWithName object("same");
    EXPECT_TRUE(object.setName(object.getName()));
    EXPECT_STREQ("same", object.getName());
    EXPECT_TRUE(object.setName(object.getName() + 2));
    EXPECT_STREQ("me", object.getName());
}

TEST(ObjectWithName, DestructionClearsHoldersEvenWhenToldCantDestruct) {
    ObjectWithName* object = new ObjectWithName("x");
    ObjectWithName* p = nullptr;
    ObjectWithName* q = nullptr;
    object->retainObject(&p);
    object->retainObject(&q);
    object->cantDestruct();
    delete object;
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(nullptr, q);
}

TEST(ObjectNameTree, SharesOneElementPerNameUntilItsLastRelease) {
    Resource::alive = 0;
    ObjectNameTree tree;
    Resource* a = new Resource("x");
    Resource* b = new Resource("x");
    ObjectWithName* h1 = nullptr;
    ObjectWithName* h2 = nullptr;
    EXPECT_TRUE(tree.addElement(a, &h1));
    EXPECT_EQ(a, h1);
    EXPECT_TRUE(tree.addElement(b, &h2));
    EXPECT_EQ(a, h2);
    EXPECT_EQ(1u, tree.size());
    delete b;

    Resource probe("x");
    EXPECT_EQ(a, tree.getElement(&probe));
    EXPECT_TRUE(tree.releaseElement(&probe, &h1));
    EXPECT_EQ(nullptr, h1);
    EXPECT_TRUE(tree.haveElement(&probe));
    EXPECT_EQ(2, Resource::alive);
    EXPECT_TRUE(tree.releaseElement(&probe, &h2));
    EXPECT_EQ(nullptr, h2);
    EXPECT_FALSE(tree.haveElement(&probe));
    EXPECT_EQ(1, Resource::alive);
    EXPECT_FALSE(tree.releaseElement(&probe, &h2));
}

TEST(ObjectNameTree, ReleasingAStrangerKeepsTheElementCached) {
    Resource::alive = 0;
    ObjectNameTree tree;
    ObjectWithName* holder = nullptr;
    EXPECT_TRUE(tree.addElement(new Resource("shader"), &holder));
    Resource probe("shader");
    ObjectWithName* stranger = holder;
    EXPECT_TRUE(tree.releaseElement(&probe, &stranger));
    EXPECT_EQ(nullptr, stranger);
    EXPECT_TRUE(tree.haveElement(&probe));
    EXPECT_NE(nullptr, holder);
    EXPECT_TRUE(tree.releaseElement(&probe, &holder));
    EXPECT_EQ(nullptr, holder);
    EXPECT_FALSE(tree.haveElement(&probe));
    EXPECT_EQ(1, Resource::alive);
}

TEST(ObjectNameTree, RefusesNullsAndDeletesWhateverTheHolders) {
    Resource::alive = 0;
    ObjectNameTree tree;
    ObjectWithName* p = nullptr;
    ObjectWithName* q = nullptr;
    Resource* object = new Resource("y");
    EXPECT_FALSE(tree.addElement(nullptr, &p));
    EXPECT_FALSE(tree.addElement(object, nullptr));
    EXPECT_FALSE(tree.releaseElement(nullptr, &p));
    EXPECT_FALSE(tree.releaseElement(object, nullptr));
    EXPECT_FALSE(tree.deleteElement(nullptr));
    EXPECT_FALSE(tree.deleteElement(object));
    EXPECT_TRUE(tree.addElement(object, &p));
    EXPECT_TRUE(tree.addElement(object, &q));
    EXPECT_FALSE(tree.addElement(object, &q));
    Resource probe("y");
    EXPECT_TRUE(tree.deleteElement(&probe));
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(nullptr, q);
    EXPECT_EQ(1, Resource::alive);
    EXPECT_EQ(0u, tree.size());
}

TEST(ObjectNameTree, OrdersAndPrintsByName) {
    Resource::alive = 0;
    ObjectNameTree tree;
    ObjectWithName* holders[3] = {};
    const char* names[3] = {"m", "\xC3z", "a"};
    for (int at = 0; at < 3; at++) {
        EXPECT_TRUE(tree.addElement(new Resource(names[at]), &holders[at]));
    }
    EXPECT_EQ("\nName \xC3z\nName a\nName m", captureStdout([&] { tree.print(); }));
    ObjectNameTree printer;
    EXPECT_EQ("\nName NULL\nName NULL", captureStdout([&] {
                  ObjectWithName nameless;
                  printer.printElement(nullptr);
                  printer.printElement(&nameless);
              }));
    EXPECT_TRUE(ObjectNameTree::nameEqual("q", "q"));
    EXPECT_FALSE(ObjectNameTree::nameEqual(nullptr, nullptr));
    EXPECT_FALSE(ObjectNameTree::firstNameBiggerSecond("ab\xC3", "ab"));
    for (int at = 0; at < 3; at++) {
        Resource probe(names[at]);
        EXPECT_TRUE(tree.releaseElement(&probe, &holders[at]));
    }
    EXPECT_EQ(0, Resource::alive);
}
