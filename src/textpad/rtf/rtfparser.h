// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfcodepage.h"
#include "textpad/rtf/rtfdocumentbuilder.h"
#include "textpad/rtf/rtfgroupstate.h"
#include "textpad/rtf/rtfheadertables.h"
#include "textpad/rtf/rtfpicturereader.h"
#include "textpad/rtf/rtftokenizer.h"

#include <vector>

namespace textpad::richtext {

// Reads RTF into the document model. Groups live on a heap stack, never on the call stack, so
// any nesting depth is safe; damaged input yields whatever text it holds.
class RtfParser
{
public:
    explicit RtfParser(QByteArrayView rtf);

    Document parse();

private:
    struct Field
    {
        size_t depth;
        QString instruction;
        QString link; // from the instruction, once it is complete
        bool linkKnown = false;
    };

    RtfGroupState &state() { return m_stack.back(); }
    const RtfGroupState &state() const { return m_stack.back(); }

    void handleToken(RtfToken token);
    bool consumeFallback(RtfToken &token);
    void pushGroup();
    void popGroup();
    void closeGroup(const RtfGroupState &closed);
    void handleWord(const RtfToken &token);
    bool handleTextWord(const RtfControlWord &control, const RtfToken &token);
    bool handleDestinationWord(RtfWord word);
    void beginShapePropertyName();
    void beginShapePropertyValue();
    void beginPicture();
    void beginField();
    void beginFieldInstruction();
    void beginFieldResult();
    void beginParagraphNumbering();
    void handleWordInDestination(RtfWord word, const RtfToken &token);
    void handleBodyWord(RtfWord word, const RtfToken &token);
    void handleSymbol(char symbol);
    void appendBytes(QByteArrayView bytes);
    void appendCharacter(QChar c);
    void appendUnicode(int value);
    void flushBytes();
    void flushText();
    void finishPicture();
    void recoverFromUnclosedTable();

    CharFormat resolvedFormat() const;
    int currentCodePage() const;

    RtfTokenizer m_tokenizer;
    std::vector<RtfGroupState> m_stack;
    int m_excessDepth = 0;
    RtfHeaderTables m_tables;
    RtfCodePage m_codePages;
    RtfPictureReader m_picture;
    size_t m_pictureDepth = 0;
    std::vector<Field> m_fields;
    RtfDocumentBuilder m_builder;
    QByteArray m_pendingBytes;
    QString m_pendingText;
    int m_fallbackToSkip = 0;
    bool m_starred = false;
    QString m_shapeProperty; // name of the shape property whose value follows
};

} // namespace textpad::richtext
