#pragma once

class QWidget;

namespace bw {

class UserPrompts;

// At start-up, offers back every copy of a show that a save in place kept and did not get to
// remove, because the program was killed or the old content could not be put back: Yes puts the
// copy back in place of the file, No leaves it among the save backups without asking again. A
// copy that equals the file as it is now is removed without a question.
void OfferLeftSaveBackups(QWidget* owner, UserPrompts& prompts);

} // namespace bw
