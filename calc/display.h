// The display operations of the key actions. The key actions reach the display only through
// the three free functions below; they forward to whichever display was installed with
// use_display: the window's edit control in the program, an in-memory display in the tests
// and the probe. Texts are code page 936 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace calc {

class DisplayPort {
  public:
    virtual ~DisplayPort() = default;
    // The whole content.
    virtual std::string read_text() const = 0;
    // Replaces the whole content.
    virtual void set_text(std::string_view text) = 0;
    // Puts an empty selection at the end of the content, scrolls the caret into view and
    // replaces that selection with the text, not undoably; the caret ends after the text.
    virtual void append_text(std::string_view text) = 0;

  protected:
    DisplayPort() = default;
    DisplayPort(const DisplayPort&) = default;
    DisplayPort& operator=(const DisplayPort&) = default;
};

// Installs the display the key actions use (nullptr: none, reads give the empty text and
// writes go nowhere). The display must outlive its use.
void use_display(DisplayPort* display) noexcept;

// A new text holding the display's content (the empty text when there is no display).
std::string read_display_text();
void set_display_text(std::string_view text);
void append_display_text(std::string_view text);

} // namespace calc
