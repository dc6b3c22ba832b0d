// The host's one-line edit control (class "EDIT"): a QLineEdit with our settings. Positions
// cross the interface as byte offsets in the code page 936 text.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace platform {
namespace qt {
namespace {

class EditWidget final : public QLineEdit {
  public:
    EditWidget(QWidget* parent, std::uint32_t style) : QLineEdit(parent) {
        setFrame(false);
        setAlignment(((style & style::edit_right) != 0 ? Qt::AlignRight : Qt::AlignLeft) |
                     Qt::AlignVCenter);
        setFocusPolicy((style & style::tab_stop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        setContextMenuPolicy(Qt::DefaultContextMenu);
        setAutoFillBackground(true);
        set_colours(Qt::black, Qt::white);
    }
    ~EditWidget() override { host().windows.erase(&record_); }
    EditWidget(const EditWidget&) = delete;
    EditWidget& operator=(const EditWidget&) = delete;

    void set_colours(const QColor& text, const QColor& background) {
        text_ = text;
        background_ = background;
        apply_palette();
    }

    void set_line_rect(const QRect& line) {
        line_ = line;
        setTextMargins(line.left(), line.top(), width() - line.right() - 1,
                       height() - line.bottom() - 1);
    }

    QRect line_rect() const {
        if (line_.isValid()) return line_;
        return rect();
    }

    Window record_;
    CharacterFilter filter_ = nullptr;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            preview_key(&record_, static_cast<QKeyEvent*>(event)))
            return true;
        return QLineEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // Typed characters meet the filter first; control characters (and with them the
        // clipboard keys) always pass.
        if (filter_ != nullptr) {
            const QString text = event->text();
            for (const char32_t code_point : text.toUcs4()) {
                if (code_point >= 32 && !filter_(static_cast<std::uint32_t>(code_point))) {
                    event->accept();
                    return;
                }
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (filter_ != nullptr) {
            for (const char32_t code_point : event->commitString().toUcs4()) {
                if (code_point >= 32 && !filter_(static_cast<std::uint32_t>(code_point))) {
                    QInputMethodEvent dropped(event->preeditString(), event->attributes());
                    QLineEdit::inputMethodEvent(&dropped);
                    return;
                }
            }
        }
        QLineEdit::inputMethodEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        // The strips above and below the line are the frame: no caret placed there.
        const int y = event->position().toPoint().y();
        if (line_.isValid() && (y < line_.top() || y > line_.bottom())) {
            if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
        QLineEdit::mousePressEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        if (line_.isValid()) set_line_rect(line_);
    }

    void focusInEvent(QFocusEvent* event) override {
        focused_ = true;
        apply_palette();
        QLineEdit::focusInEvent(event);
        focus_changed(&record_, true);
    }

    void focusOutEvent(QFocusEvent* event) override {
        focused_ = false;
        apply_palette();
        QLineEdit::focusOutEvent(event);
        focus_changed(&record_, false);
    }

  private:
    // The selection shows only while the control has the focus.
    void apply_palette() {
        QPalette colours = palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Text, text_);
            colours.setColor(group, QPalette::Base, background_);
            colours.setColor(group, QPalette::Window, background_);
            if (focused_) {
                colours.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
                colours.setColor(group, QPalette::HighlightedText, Qt::white);
            } else {
                colours.setColor(group, QPalette::Highlight, background_);
                colours.setColor(group, QPalette::HighlightedText, text_);
            }
        }
        setPalette(colours);
    }

    QColor text_;
    QColor background_;
    QRect line_;
    bool focused_ = false;
};

EditWidget* edit_of(WindowHandle window) {
    if (!alive(window) || !window->window_class->edit) return nullptr;
    return static_cast<EditWidget*>(window->widget);
}

} // namespace

QWidget* make_edit_widget(Window*& record, const ClassInfo&, QWidget* parent, std::uint32_t style) {
    auto* widget = new EditWidget(parent, style);
    record = &widget->record_;
    return widget;
}

void register_edit_class() {
    ClassInfo info;
    info.name = std::string(edit_class_name);
    info.procedure = &default_window_procedure;
    info.cursor = CursorShape::IBeam;
    info.edit = true;
    host().classes.emplace(info.name, std::move(info));
}

} // namespace qt

std::string edit_text(WindowHandle edit) {
    auto* widget = qt::edit_of(edit);
    return widget != nullptr ? qt::to_cp936(widget->text()) : std::string();
}

void edit_set_text(WindowHandle edit, std::string_view text) {
    if (auto* widget = qt::edit_of(edit)) widget->setText(qt::from_cp936(text));
}

Selection edit_selection(WindowHandle edit) {
    auto* widget = qt::edit_of(edit);
    if (widget == nullptr) return {};
    const QString text = widget->text();
    qsizetype start = widget->cursorPosition();
    qsizetype end = start;
    if (widget->hasSelectedText()) {
        start = widget->selectionStart();
        end = widget->selectionEnd();
    }
    return {static_cast<std::int32_t>(qt::cp936_offset(text, start)),
            static_cast<std::int32_t>(qt::cp936_offset(text, end))};
}

void edit_set_selection(WindowHandle edit, Selection selection) {
    auto* widget = qt::edit_of(edit);
    if (widget == nullptr) return;
    const QString text = widget->text();
    // A negative start means no selection; a negative end means the end of the text.
    const auto to_position = [&](std::int32_t offset) -> qsizetype {
        if (offset < 0) return text.size();
        return qt::utf16_position(text, static_cast<std::size_t>(offset));
    };
    if (selection.start < 0) {
        widget->deselect();
        return;
    }
    const qsizetype start = to_position(selection.start);
    const qsizetype end = to_position(selection.end);
    if (start == end) {
        widget->setCursorPosition(static_cast<int>(start));
        return;
    }
    // The caret goes to the end given second, as the classic control does.
    widget->setSelection(static_cast<int>(start), static_cast<int>(end - start));
}

void edit_replace_selection(WindowHandle edit, std::string_view text, bool undoable) {
    auto* widget = qt::edit_of(edit);
    if (widget == nullptr) return;
    const QString insert = qt::from_cp936(text);
    if (undoable) {
        widget->insert(insert);
        return;
    }
    // Not undoable: the new text replaces the undo history, which then cannot take it back.
    QString content = widget->text();
    qsizetype start = widget->cursorPosition();
    qsizetype length = 0;
    if (widget->hasSelectedText()) {
        start = widget->selectionStart();
        length = widget->selectionEnd() - start;
    }
    content.replace(start, length, insert);
    widget->setText(content);
    widget->setCursorPosition(static_cast<int>(start + insert.size()));
}

void edit_scroll_caret(WindowHandle edit) {
    // The line edit keeps its caret in view by itself; repainting makes it so now.
    if (auto* widget = qt::edit_of(edit)) widget->update();
}

void edit_set_font(WindowHandle edit, FontHandle font) {
    auto* widget = qt::edit_of(edit);
    if (widget != nullptr && font != nullptr) widget->setFont(font->font);
}

void edit_set_colours(WindowHandle edit, Rgb text, Rgb background) {
    if (auto* widget = qt::edit_of(edit))
        widget->set_colours(qt::to_qcolor(text), qt::to_qcolor(background));
}

Rect edit_line_rect(WindowHandle edit) {
    auto* widget = qt::edit_of(edit);
    return widget != nullptr ? qt::to_rect(widget->line_rect()) : Rect{};
}

void edit_set_line_rect(WindowHandle edit, Rect line) {
    if (auto* widget = qt::edit_of(edit)) widget->set_line_rect(qt::to_qrect(line));
}

void edit_set_character_filter(WindowHandle edit, CharacterFilter filter) {
    if (auto* widget = qt::edit_of(edit)) widget->filter_ = filter;
}

} // namespace platform
