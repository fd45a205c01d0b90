#include "zelk/XML.h"

#include "zelk/FileReport.h"
#include "zelk/String.h"
#include "zelk/platform/Paths.h"

#include <iostream>
#include <vector>

namespace zelk {

namespace {

// pugixml's default parse options: CDATA, escapes, line ends and whitespace
// conversion in attributes.
const unsigned int parseOptions = 116;
// pugixml's default save format: indented.
const unsigned int saveFormat = 1;
// pugixml's raw format: no indentation, no line breaks.
const unsigned int printFormat = 4;

bool named(pugi::xml_node node) {
    return node.name()[0] != '\0';
}

// An element name the document can hold: not null and not empty.
bool usable(const char* name) {
    return name && name[0] != '\0';
}

char* text(const char* value) {
    return const_cast<char*>(value);
}

// The node's name, or null when it has none.
char* nameOf(pugi::xml_node node) {
    return named(node) ? text(node.name()) : nullptr;
}

} // namespace

XML::XML() {}

XML::XML(const char* text) {
    parse(text);
}

XML::XML(char* text) : XML(static_cast<const char*>(text)) {}

XML::~XML() {}

bool XML::loaded(bool succeeded) {
    selected = pugi::xml_node();
    if (!succeeded)
        document.reset();
    return succeeded;
}

bool XML::loadFile(const char* path) {
    if (!path)
        return false;
    // pugixml would wait on a pipe with no writer.
    if (!platform::isRegularFile(path)) {
        FileReport::reportUnopened(path);
        return loaded(false);
    }
    pugi::xml_parse_result result = document.load_file(path, parseOptions, pugi::encoding_auto);
    if (result.status == pugi::status_file_not_found || result.status == pugi::status_io_error) {
        FileReport::reportUnopened(path);
    } else if (!result) {
        FileReport::report(path, FileReport::notDocument);
    }
    return loaded(result);
}
bool XML::loadFile(char* path) {
    return loadFile(static_cast<const char*>(path));
}

bool XML::parse(const char* text) {
    clean();
    if (!text)
        return false;
    if (!loaded(document.load_string(text, parseOptions)))
        return false;
    return parse();
}
bool XML::parse(char* text) {
    return parse(static_cast<const char*>(text));
}

bool XML::parse() {
    if (!document.first_child())
        return false;
    walk(document.first_child());
    return true;
}

bool XML::parseFile(const char* path) {
    return loadFile(path) && parse();
}
bool XML::parseFile(char* path) {
    return parseFile(static_cast<const char*>(path));
}

bool XML::saveToFile(const char* path) {
    return path && document.save_file(path, "\t", saveFormat, pugi::encoding_auto);
}
bool XML::saveToFile(char* path) {
    return saveToFile(static_cast<const char*>(path));
}

void XML::clean() {
    document.reset();
    selected = pugi::xml_node();
}

void XML::print() {
    document.print(std::cout, "", printFormat, pugi::encoding_auto, 0);
}

void XML::cleanSelected() {
    selected = pugi::xml_node();
}

bool XML::haveSelected() {
    return named(selected);
}

char* XML::selectRoot() {
    selected = document.first_child();
    return nameOf(selected);
}

char* XML::selectFather() {
    if (!haveSelected() || !named(selected.parent()))
        return nullptr;
    selected = selected.parent();
    return nameOf(selected);
}

char* XML::selectChild(const char* name) {
    if (!name)
        return nullptr;
    pugi::xml_node child = haveSelected() ? selected.child(name) : document.child(name);
    if (!named(child))
        return nullptr;
    selected = child;
    return nameOf(selected);
}
char* XML::selectChild(char* name) {
    return selectChild(static_cast<const char*>(name));
}

char* XML::selectChild(unsigned int position) {
    if (!haveSelected())
        return nullptr;
    unsigned int index = 0;
    for (pugi::xml_node child = selected.first_child(); named(child);
         child = child.next_sibling(), ++index) {
        if (index == position) {
            selected = child;
            return nameOf(selected);
        }
    }
    return nullptr;
}

namespace {
// Moves the cursor to the node when that has a name.
char* moveTo(pugi::xml_node& cursor, pugi::xml_node node) {
    if (!named(node))
        return nullptr;
    cursor = node;
    return nameOf(cursor);
}
} // namespace

char* XML::selectFirstChild() {
    return haveSelected() ? moveTo(selected, selected.first_child()) : nullptr;
}

char* XML::selectLastChild() {
    return haveSelected() ? moveTo(selected, selected.last_child()) : nullptr;
}

char* XML::selectNextBrother() {
    return haveSelected() ? moveTo(selected, selected.next_sibling()) : nullptr;
}

char* XML::selectPreviousBrother() {
    return haveSelected() ? moveTo(selected, selected.previous_sibling()) : nullptr;
}

char* XML::selectBrother(const char* name) {
    if (!name || !haveSelected())
        return nullptr;
    for (pugi::xml_node node = selected.previous_sibling(); named(node);
         node = node.previous_sibling()) {
        if (String::strCompare(name, node.name()))
            return moveTo(selected, node);
    }
    for (pugi::xml_node node = selected.next_sibling(); named(node); node = node.next_sibling()) {
        if (String::strCompare(name, node.name()))
            return moveTo(selected, node);
    }
    return nullptr;
}
char* XML::selectBrother(char* name) {
    return selectBrother(static_cast<const char*>(name));
}

char* XML::selectFirstBrother() {
    if (haveSelected() && named(selected.parent()))
        selected = selected.parent().first_child();
    else
        selected = document.first_child();
    return text(selected.name());
}

char* XML::selectLastBrother() {
    if (haveSelected() && named(selected.parent()))
        selected = selected.parent().last_child();
    else
        selected = document.last_child();
    return text(selected.name());
}

bool XML::addSelectedNextChild(const char* name) {
    if (!usable(name))
        return false;
    if (haveSelected())
        return selected.append_child(name);
    if (named(document.first_child()))
        return false;
    return addNewRoot(name);
}
bool XML::addSelectedNextChild(char* name) {
    return addSelectedNextChild(static_cast<const char*>(name));
}

bool XML::addSelectedPreviousChild(const char* name) {
    if (!usable(name) || !haveSelected())
        return false;
    pugi::xml_node first = selected.first_child();
    if (named(first))
        return selected.insert_child_before(name, first);
    return selected.append_child(name);
}
bool XML::addSelectedPreviousChild(char* name) {
    return addSelectedPreviousChild(static_cast<const char*>(name));
}

// A top-level node's parent is the document itself, so both cases insert
// into the parent.
bool XML::addSelectedNextBrother(const char* name) {
    if (!usable(name) || !haveSelected())
        return false;
    return selected.parent().insert_child_after(name, selected);
}
bool XML::addSelectedNextBrother(char* name) {
    return addSelectedNextBrother(static_cast<const char*>(name));
}

bool XML::addSelectedPreviousBrother(const char* name) {
    if (!usable(name) || !haveSelected())
        return false;
    return selected.parent().insert_child_before(name, selected);
}
bool XML::addSelectedPreviousBrother(char* name) {
    return addSelectedPreviousBrother(static_cast<const char*>(name));
}

bool XML::addRootNextChild(const char* name) {
    if (!named(document.first_child()))
        return addNewRoot(name);
    return usable(name) && document.append_child(name);
}
bool XML::addRootNextChild(char* name) {
    return addRootNextChild(static_cast<const char*>(name));
}

bool XML::addRootPreviousChild(const char* name) {
    if (!named(document.first_child()))
        return addNewRoot(name);
    return usable(name) && document.prepend_child(name);
}
bool XML::addRootPreviousChild(char* name) {
    return addRootPreviousChild(static_cast<const char*>(name));
}

bool XML::addNewRoot(const char* name) {
    return usable(name) && document.append_child(name);
}
bool XML::addNewRoot(char* name) {
    return addNewRoot(static_cast<const char*>(name));
}

pugi::xml_attribute XML::findAttribute(const char* name) {
    for (pugi::xml_attribute attribute = selected.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        if (String::strCompare(name, attribute.name()))
            return attribute;
    }
    return pugi::xml_attribute();
}

pugi::xml_attribute XML::attributeAt(unsigned int position) {
    if (!haveSelected())
        return pugi::xml_attribute();
    pugi::xml_attribute attribute = selected.first_attribute();
    for (unsigned int index = 0; attribute && index < position; ++index)
        attribute = attribute.next_attribute();
    return attribute;
}

bool XML::insertAttribute(const char* name, const char* value, bool afterLast) {
    if (!usable(name) || !value || !haveSelected())
        return false;
    pugi::xml_attribute made;
    if (!selected.first_attribute())
        made = selected.append_attribute(name);
    else if (afterLast)
        made = selected.insert_attribute_after(name, selected.last_attribute());
    else
        made = selected.insert_attribute_before(name, selected.first_attribute());
    if (!made)
        return false;
    pugi::xml_attribute first = findAttribute(name);
    if (first.set_value(value))
        return true;
    selected.remove_attribute(first);
    return false;
}

bool XML::addSelectedNextAttribute(const char* name, const char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNextAttribute(char* name, char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNextAttribute(const char* name, char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNextAttribute(char* name, const char* value) {
    return insertAttribute(name, value, true);
}

bool XML::addSelectedPreviousAttribute(const char* name, const char* value) {
    return insertAttribute(name, value, false);
}
bool XML::addSelectedPreviousAttribute(char* name, char* value) {
    return insertAttribute(name, value, false);
}
bool XML::addSelectedPreviousAttribute(const char* name, char* value) {
    return insertAttribute(name, value, false);
}
bool XML::addSelectedPreviousAttribute(char* name, const char* value) {
    return insertAttribute(name, value, false);
}

bool XML::addSelectedNewAttribute(const char* name, const char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNewAttribute(char* name, char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNewAttribute(const char* name, char* value) {
    return insertAttribute(name, value, true);
}
bool XML::addSelectedNewAttribute(char* name, const char* value) {
    return insertAttribute(name, value, true);
}

bool XML::setSelectedString(const char* text) {
    return text && haveSelected() && selected.text().set(text);
}
bool XML::setSelectedString(char* text) {
    return setSelectedString(static_cast<const char*>(text));
}

bool XML::deleteSelected() {
    if (!haveSelected())
        return false;
    pugi::xml_node node = selected;
    pugi::xml_node parent = node.parent();
    if (named(parent)) {
        selected = parent;
    } else if (named(node.next_sibling())) {
        selected = node.next_sibling();
    } else if (named(node.previous_sibling())) {
        selected = node.previous_sibling();
    } else {
        selected = pugi::xml_node();
    }
    return parent.remove_child(node);
}

bool XML::deleteSelectedAttribute(const char* name) {
    return name && haveSelected() && selected.remove_attribute(findAttribute(name));
}
bool XML::deleteSelectedAttribute(char* name) {
    return deleteSelectedAttribute(static_cast<const char*>(name));
}

bool XML::haveSelectedAttributes() {
    return haveSelected() && selected.first_attribute();
}

bool XML::haveSelectedAttribute(const char* name) {
    return name && haveSelected() && findAttribute(name);
}
bool XML::haveSelectedAttribute(char* name) {
    return haveSelectedAttribute(static_cast<const char*>(name));
}
bool XML::haveAttributeName(const char* name) {
    return haveSelectedAttribute(name);
}
bool XML::haveAttributeName(char* name) {
    return haveSelectedAttribute(name);
}

char* XML::getSelectedName() {
    return nameOf(selected);
}

char* XML::getSelectedString() {
    if (!haveSelected())
        return nullptr;
    pugi::xml_text data = selected.text();
    return data ? text(data.as_string("")) : nullptr;
}

char* XML::getSelectedAttributeName(unsigned int position) {
    pugi::xml_attribute attribute = attributeAt(position);
    return attribute ? text(attribute.name()) : nullptr;
}

char* XML::getSelectedAttributeValue(unsigned int position) {
    pugi::xml_attribute attribute = attributeAt(position);
    return attribute ? text(attribute.value()) : nullptr;
}

char* XML::getSelectedAttributeValueByName(const char* name) {
    if (!name || !haveSelected())
        return nullptr;
    pugi::xml_attribute attribute = findAttribute(name);
    return attribute ? text(attribute.value()) : nullptr;
}
char* XML::getSelectedAttributeValueByName(char* name) {
    return getSelectedAttributeValueByName(static_cast<const char*>(name));
}

unsigned int XML::getSelectedAttributeID(const char* name) {
    if (!name || !haveSelected())
        return 0;
    unsigned int position = 0;
    for (pugi::xml_attribute attribute = selected.first_attribute(); attribute;
         attribute = attribute.next_attribute(), ++position) {
        if (String::strCompare(name, attribute.name()))
            return position;
    }
    return 0;
}
unsigned int XML::getSelectedAttributeID(char* name) {
    return getSelectedAttributeID(static_cast<const char*>(name));
}

void XML::didStartElement(char*, char**, char**, unsigned int) {}

void XML::foundCharacters(char*, char*) {}

void XML::didEndElement(char*) {}

// Iterative, so neither deep nesting nor long sibling chains use the stack:
// the open elements wait in a list of their own.
void XML::walk(pugi::xml_node node) {
    std::vector<pugi::xml_node> open;
    std::vector<char*> names;
    std::vector<char*> values;
    for (;;) {
        if (!named(node)) {
            if (open.empty())
                return;
            node = open.back();
            open.pop_back();
            didEndElement(nameOf(node));
            node = node.next_sibling();
            continue;
        }
        names.clear();
        values.clear();
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            names.push_back(text(attribute.name()));
            values.push_back(text(attribute.value()));
        }
        unsigned int count = static_cast<unsigned int>(names.size());
        didStartElement(nameOf(node), count ? names.data() : nullptr,
                        count ? values.data() : nullptr, count);
        pugi::xml_text data = node.text();
        if (data)
            foundCharacters(nameOf(node), text(data.get()));
        open.push_back(node);
        node = node.first_child();
    }
}

} // namespace zelk
