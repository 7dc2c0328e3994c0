#include "EditHistory.h"

#include <utility>

int EditHistory::DocumentOf(EditField field)
{
    return field == EditField::SoundingR || field == EditField::SoundingV || field == EditField::SoundingMask ? 0 : 1;
}

void EditHistory::Record(const ValueEdit& edit, bool merge)
{
    if (edit.before == edit.after)
        return;
    const int doc = DocumentOf(edit.field);
    // A redo tail that held the saved state of a document makes that state
    // unreachable: the document stays modified until saved again.
    for (std::size_t i = m_done; i < m_entries.size(); ++i) {
        const int d = DocumentOf(m_entries[i].edit.field);
        if (m_saved[d] > m_applied[d])
            m_saved[d] = -1;
    }
    m_entries.resize(m_done);
    if (merge && m_done > 0 && m_saved[doc] != m_applied[doc]) {
        Entry& last = m_entries[m_done - 1];
        if (last.edit.field == edit.field && last.edit.index == edit.index) {
            last.edit.after = edit.after;
            return;
        }
    }
    m_entries.push_back({edit});
    ++m_done;
    ++m_applied[doc];
    if (m_entries.size() > kMaxEdits)
        dropOldest();
}

void EditHistory::RecordTogether(const std::vector<ValueEdit>& edits)
{
    bool first = true;
    for (const ValueEdit& e : edits) {
        const std::size_t before = m_done;
        Record(e);
        if (m_done > before && !first)
            m_entries[m_done - 1].joined = true;
        if (m_done > before)
            first = false;
    }
}

void EditHistory::dropOldest()
{
    const int d = DocumentOf(m_entries.front().edit.field);
    m_entries.erase(m_entries.begin());
    --m_done;
    --m_applied[d];
    // Counts run from the oldest edit kept; a save before it is gone.
    if (m_saved[d] >= 0)
        m_saved[d] = m_saved[d] > 0 ? m_saved[d] - 1 : -1;
}

std::optional<ValueEdit> EditHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    const ValueEdit e = m_entries[--m_done].edit;
    --m_applied[DocumentOf(e.field)];
    return e;
}

std::optional<ValueEdit> EditHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    const ValueEdit e = m_entries[m_done++].edit;
    ++m_applied[DocumentOf(e.field)];
    return e;
}

void EditHistory::MarkSaved(int document)
{
    if (document >= 0 && document < kDocuments)
        m_saved[document] = m_applied[document];
}

bool EditHistory::IsModified(int document) const
{
    return document >= 0 && document < kDocuments && m_saved[document] != m_applied[document];
}

void EditHistory::Forget(int document)
{
    if (document < 0 || document >= kDocuments)
        return;
    std::vector<Entry> kept;
    std::size_t done = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (DocumentOf(m_entries[i].edit.field) == document)
            continue;
        kept.push_back(m_entries[i]);
        if (i < m_done)
            ++done;
    }
    m_entries = std::move(kept);
    m_done = done;
    m_applied[document] = 0;
    m_saved[document] = 0;
}
