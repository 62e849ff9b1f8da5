// The sheet's text and positions as the editor holds them, and the edits
// that carry a run's answers into the editor.
#include <gtest/gtest.h>

#include "ui/panels/sheet_editor_text.h"

namespace tavrik::ui {
namespace {

TEST(SheetEditorTextTest, PositionsCountLineBreaksAsTwoAndEmojiAsOne) {
    const QString text = QStringLiteral("a\n😀b");
    struct Case {
        qsizetype editor;
        std::size_t sheet;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 3}, Case{4, 4}, Case{5, 5}}) {
        EXPECT_EQ(SheetPosition(text, c.editor), c.sheet) << c.editor;
        EXPECT_EQ(EditorPosition(text, c.sheet), c.editor) << c.sheet;
    }
    EXPECT_EQ(SheetText(text), "a\r\n😀b");
    EXPECT_EQ(EditorText("a\r\n😀b"), text);
}

TEST(SheetEditorTextTest, LineBreaksConvertBothWaysAndLoneReturnsStay) {
    struct Case {
        const char* sheet;
        const char* editor;
    };
    const Case cases[] = {
        {"", ""},
        {"\r\n", "\n"},
        {"a\r\n\r\nb\r\n", "a\n\nb\n"},
        {"全角\r\n１＋２", "全角\n１＋２"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditorText(c.sheet), QString::fromUtf8(c.editor)) << c.sheet;
        EXPECT_EQ(SheetText(QString::fromUtf8(c.editor)), c.sheet) << c.editor;
    }
    // A return without a line feed is text in the editor, not a line break.
    EXPECT_EQ(EditorText("a\rb\r"), QStringLiteral("a\rb\r"));
    EXPECT_EQ(SheetText(QStringLiteral("a\rb")), "a\rb");
}

// Applies the edits, last first as given, to `before`, as the editor does.
QString Applied(QString text, const std::vector<TextEdit>& edits) {
    for (const TextEdit& edit : edits) {
        const QString soft = edit.softLineBreak ? QString(QChar::LineSeparator) : QString();
        text.replace(edit.start, edit.removed, soft + edit.inserted.toString());
    }
    return text;
}

TEST(SheetEditorTextTest, AnswersBecomeOneInsertionEach) {
    struct Case {
        const char* before;
        const char* after;
        std::size_t edits;
        bool answersOnly;
    };
    const Case cases[] = {
        {"1+1\n# note\n10/4=", "1+1\n=2\n# note\n10/4=2.5", 2, true},
        {"1+1\n2+2", "1+1\n=2\n2+2\n=4", 2, true},
        {"a 2+3 b", "a 2+3=5 b", 1, true},
        {"x\ny", "x\n1200*3=3600\ny\n1=1", 2, true},
        {"", "", 0, true},
        // Not answers alone: one replacement of the differing span.
        {"abc\ndef", "xbc\ndez", 1, false},
    };
    for (const Case& c : cases) {
        const QString before = QString::fromUtf8(c.before);
        const QString after = QString::fromUtf8(c.after);
        const std::vector<TextEdit> edits = InsertedAnswers(before, after);
        EXPECT_EQ(edits.size(), c.edits) << c.before;
        // Answer lines are soft line breaks in the paragraph of the line they
        // answer: the same plain text, no new paragraph.
        QString shown = Applied(before, edits);
        if (c.answersOnly) {
            EXPECT_EQ(shown.count(QLatin1Char('\n')), before.count(QLatin1Char('\n'))) << c.before;
        }
        EXPECT_EQ(shown.replace(QChar::LineSeparator, QLatin1Char('\n')), after) << c.before;
    }
}

}  // namespace
}  // namespace tavrik::ui
