#pragma once
// What the template windows need of the main editor window: its document, the modified flag and
// new-wizard mode. The main window implements it, so the template windows do not depend on it.
#include <string>

namespace platform {
class LineList;
}

namespace stencora {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // Loads the RTF file at path (UTF-8) into the document, replacing its content. Throws
    // platform::FileError when the file cannot be read; the document is then unchanged.
    virtual void loadDocument(const std::string& path) = 0;
    // The document's lines. Rewriting a line changes the document and so sets the modified flag.
    virtual platform::LineList& documentLines() = 0;
    // Replaces the selection (at the caret when nothing is selected) with text, in the character
    // format at the start of the selection; the caret ends up after it.
    virtual void replaceSelection(const std::string& text) = 0;
    // The modified flag: the document has changes that are not saved.
    virtual bool isModified() const = 0;
    virtual void clearModified() = 0;
    // Switches new-wizard mode off; NewWizardPending stays as it is.
    virtual void leaveNewWizardMode() = 0;
};

} // namespace stencora
