// The studio's undo and redo. Each entry is one number of a document changed
// from one value to another, so an edit costs a few bytes, never a copy.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The numbers a user edits: a measured sample of the sounding (R or V, by
// sample index) or a layer's resistivity or thickness (by layer index).
enum class EditField { SoundingR = 1, SoundingV = 2, LayerResistivity, LayerThickness, SoundingMask };

struct ValueEdit {
    EditField field = EditField::SoundingR;
    int index = 0;
    float before = 0;
    float after = 0;
};

class EditHistory {
public:
    // Document 0 is the sounding, 1 the layered model.
    static constexpr int kDocuments = 2;
    static int DocumentOf(EditField field);
    // Past this many edits the oldest are forgotten.
    static constexpr std::size_t kMaxEdits = 100000;

    // Records an edit already made; edits that could still be redone are
    // dropped. With merge, an edit of the same number as the last one
    // extends that one (the repeats of a held arrow key are one step with
    // its first press), unless the document was saved in between. An edit
    // that changed nothing is not recorded.
    void Record(const ValueEdit& edit, bool merge = false);
    // Records edits made together (an inversion's new model): one undo takes
    // them all back, one redo makes them all again.
    void RecordTogether(const std::vector<ValueEdit>& edits);
    // After Undo or Redo: whether the next entry belongs to the same step,
    // so the caller goes on undoing or redoing.
    bool StepContinues() const { return m_done > 0 && m_done < m_entries.size() && m_entries[m_done].joined; }
    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_entries.size(); }
    // The edit to take back (write its `before`) or to make again (write its
    // `after`); nothing when there is none.
    std::optional<ValueEdit> Undo();
    std::optional<ValueEdit> Redo();
    // The document was saved as it stands now.
    void MarkSaved(int document);
    // Whether the document differs from what was saved (or loaded) last;
    // undoing back to that state makes it unmodified again.
    bool IsModified(int document) const;
    // The document was replaced (opened anew): its edits go.
    void Forget(int document);
    std::size_t Size() const { return m_entries.size(); }

private:
    struct Entry {
        ValueEdit edit;
        bool joined = false;  // undone and redone with the entry before it
    };
    void dropOldest();

    std::vector<Entry> m_entries;
    std::size_t m_done = 0;  // entries in force, from the front
    // Per document: its edits in force, and how many were in force when it
    // was saved (-1 once that state can no longer be reached).
    long m_applied[kDocuments] = {};
    long m_saved[kDocuments] = {};
};
