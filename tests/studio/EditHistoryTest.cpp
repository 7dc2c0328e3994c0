// The studio's edit history: undo and redo across both documents, and the
// modified state that the save prompts follow.
#include "EditHistory.h"

#include <gtest/gtest.h>

namespace {
constexpr int kSounding = 0;
constexpr int kModel = 1;
ValueEdit r(int i, float a, float b) { return {EditField::SoundingR, i, a, b}; }
ValueEdit layer(int i, float a, float b) { return {EditField::LayerResistivity, i, a, b}; }
}  // namespace

TEST(EditHistory, UndoAndRedoWalkBothDocumentsAndTheSavedStateIsClean)
{
    EditHistory h;
    h.Record(r(1, 250, 300));
    h.Record(layer(2, 300, 169));
    h.Record(r(1, 300, 310));
    h.Record(r(3, 5, 5));  // changed nothing: not recorded
    EXPECT_EQ(h.Size(), 3u);
    h.MarkSaved(kSounding);
    EXPECT_FALSE(h.IsModified(kSounding));
    EXPECT_TRUE(h.IsModified(kModel));

    // Last edit first, with the value to write back.
    auto e = h.Undo();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->index, 1);
    EXPECT_EQ(e->before, 300.0f);
    EXPECT_TRUE(h.IsModified(kSounding));  // saved after that edit
    e = h.Undo();
    EXPECT_EQ(e->field, EditField::LayerResistivity);
    EXPECT_FALSE(h.IsModified(kModel));  // back to what was loaded
    e = h.Redo();
    EXPECT_EQ(e->after, 169.0f);
    e = h.Redo();
    EXPECT_EQ(e->after, 310.0f);
    EXPECT_FALSE(h.IsModified(kSounding));
    EXPECT_FALSE(h.Redo());

    // A new edit after an undo drops what could have been redone; a saved
    // state among it can no longer be reached.
    h.Undo();
    h.Record(r(2, 400, 410));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_TRUE(h.IsModified(kSounding));
    h.Undo();
    EXPECT_TRUE(h.IsModified(kSounding));
    h.Undo();
    h.Undo();
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.Undo());
}

TEST(EditHistory, HeldKeysMergeAndReopeningForgetsOneDocument)
{
    EditHistory h;
    h.Record(layer(0, 100, 101));
    h.Record(layer(0, 101, 102), true);
    h.Record(layer(1, 10, 11), true);  // another layer: a step of its own
    EXPECT_EQ(h.Size(), 2u);
    auto e = h.Undo();
    e = h.Undo();
    EXPECT_EQ(e->before, 100.0f);
    EXPECT_EQ(e->after, 102.0f);
    h.Redo();
    h.Redo();

    // A save between two presses keeps them apart: undoing one returns to
    // the saved value.
    h.MarkSaved(kModel);
    h.Record(layer(1, 11, 12), true);
    EXPECT_EQ(h.Size(), 3u);
    h.Undo();
    EXPECT_FALSE(h.IsModified(kModel));

    h.Record(r(0, 50, 60));
    h.Record(layer(1, 11, 20));
    h.Forget(kModel);
    EXPECT_EQ(h.Size(), 1u);
    EXPECT_FALSE(h.IsModified(kModel));
    EXPECT_TRUE(h.IsModified(kSounding));
    e = h.Undo();
    EXPECT_EQ(e->field, EditField::SoundingR);
    EXPECT_FALSE(h.IsModified(kSounding));
}
