#ifndef ZELK_XML_H
#define ZELK_XML_H

#include <pugixml.hpp>

namespace zelk {

// One XML document and one selected node, the cursor, through which every
// query and edit goes. Selecting moves the cursor and answers the node's
// name, or answers null and leaves the cursor where it was; adding never
// moves it. Names, values and texts answered point into the document: the
// caller never frees them, and they live until that node or the document
// changes.
//
// Something is selected when the cursor's node has a non-empty name, so
// character data counts as nothing selected. Every operation that takes a
// name or text also takes it as const char*; null arguments answer false or
// null and change nothing.
//
// parse() walks the document and reports each element to the three virtual
// callbacks, which a derived class overrides.
class XML {
public:
    XML();
    explicit XML(char* text);
    explicit XML(const char* text);
    virtual ~XML();
    XML(const XML&) = delete;
    XML& operator=(const XML&) = delete;

    // Loading replaces the document and clears the cursor; a document that
    // fails to load or parse leaves the object empty.
    bool loadFile(char* path);
    bool loadFile(const char* path);
    // Loads the text and walks it.
    bool parse(char* text);
    bool parse(const char* text);
    // Walks the document; false when it is empty.
    bool parse();
    bool parseFile(char* path);
    bool parseFile(const char* path);
    // One tab per level of indentation.
    bool saveToFile(char* path);
    bool saveToFile(const char* path);
    // Empties the document and clears the cursor.
    void clean();
    // The document on one line, to standard output.
    void print();

    void cleanSelected();
    bool haveSelected();
    // The first top-level node; with an empty document nothing is selected.
    char* selectRoot();
    // Null for a top-level node, whose parent is the document.
    char* selectFather();
    // With nothing selected the top-level nodes are searched.
    char* selectChild(char* name);
    char* selectChild(const char* name);
    // Children are counted up to the first one without a name.
    char* selectChild(unsigned int position);
    char* selectFirstChild();
    char* selectLastChild();
    char* selectNextBrother();
    char* selectPreviousBrother();
    // Searches the earlier siblings first, nearest first, then the later
    // ones; each direction stops at the first sibling without a name.
    char* selectBrother(char* name);
    char* selectBrother(const char* name);
    // These always move: to the first (last) child of the parent, or to the
    // first (last) top-level node. An empty text when the document is empty.
    char* selectFirstBrother();
    char* selectLastBrother();

    // With nothing selected an empty document gets the element as its root.
    bool addSelectedNextChild(char* name);
    bool addSelectedNextChild(const char* name);
    bool addSelectedPreviousChild(char* name);
    bool addSelectedPreviousChild(const char* name);
    bool addSelectedNextBrother(char* name);
    bool addSelectedNextBrother(const char* name);
    bool addSelectedPreviousBrother(char* name);
    bool addSelectedPreviousBrother(const char* name);
    bool addRootNextChild(char* name);
    bool addRootNextChild(const char* name);
    bool addRootPreviousChild(char* name);
    bool addRootPreviousChild(const char* name);
    // Appends a top-level element, also when there is one already.
    bool addNewRoot(char* name);
    bool addNewRoot(const char* name);
    // The value goes to the element's first attribute of that name, so each
    // name is given once per element.
    bool addSelectedNextAttribute(char* name, char* value);
    bool addSelectedNextAttribute(const char* name, const char* value);
    bool addSelectedNextAttribute(const char* name, char* value);
    bool addSelectedNextAttribute(char* name, const char* value);
    bool addSelectedPreviousAttribute(char* name, char* value);
    bool addSelectedPreviousAttribute(const char* name, const char* value);
    bool addSelectedPreviousAttribute(const char* name, char* value);
    bool addSelectedPreviousAttribute(char* name, const char* value);
    bool addSelectedNewAttribute(char* name, char* value);
    bool addSelectedNewAttribute(const char* name, const char* value);
    bool addSelectedNewAttribute(const char* name, char* value);
    bool addSelectedNewAttribute(char* name, const char* value);
    // Replaces the element's first character data, or appends some.
    bool setSelectedString(char* text);
    bool setSelectedString(const char* text);

    // A child moves the cursor to its parent; a top-level node to its next
    // named sibling, else its previous one, else to nothing.
    bool deleteSelected();
    bool deleteSelectedAttribute(char* name);
    bool deleteSelectedAttribute(const char* name);

    bool haveSelectedAttributes();
    bool haveSelectedAttribute(char* name);
    bool haveSelectedAttribute(const char* name);
    bool haveAttributeName(char* name);
    bool haveAttributeName(const char* name);
    char* getSelectedName();
    // The element's first character data as stored; null without any.
    char* getSelectedString();
    char* getSelectedAttributeName(unsigned int position);
    char* getSelectedAttributeValue(unsigned int position);
    char* getSelectedAttributeValueByName(char* name);
    char* getSelectedAttributeValueByName(const char* name);
    // The position of the first attribute of that name; 0 without one.
    unsigned int getSelectedAttributeID(char* name);
    unsigned int getSelectedAttributeID(const char* name);

    // The walk: each element's start (with its attributes, which live only
    // for the call; null arrays when it has none), its character data, its
    // children, then its end, in document order. Siblings after character
    // data are not reported.
    virtual void didStartElement(char* name, char** attributeNames, char** attributeValues,
                                 unsigned int count);
    virtual void foundCharacters(char* name, char* text);
    virtual void didEndElement(char* name);

private:
    bool loaded(bool succeeded);
    bool insertAttribute(const char* name, const char* value, bool afterLast);
    pugi::xml_attribute findAttribute(const char* name);
    pugi::xml_attribute attributeAt(unsigned int position);
    void walk(pugi::xml_node node);

    pugi::xml_document document;
    pugi::xml_node selected;
};

} // namespace zelk

#endif
