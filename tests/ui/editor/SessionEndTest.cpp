// The desktop session ending while the editor is open. Qt's offscreen platform never lets a
// program ask at that moment, so the test puts in a session that does, through Qt's own seam.
#include "EditorTestSupport.h"

#include <QSessionManager>
#include <QtGui/private/qsessionmanager_p.h>
#include <qpa/qplatformsessionmanager.h>

namespace bw::test {

namespace {

// A session that may or may not let programs ask, and notes whether one stopped it.
struct Session : QPlatformSessionManager {
    bool interactive, cancelled = false;
    explicit Session(bool interactive)
        : QPlatformSessionManager({}, {}), interactive(interactive) {}
    bool allowsInteraction() override { return interactive; }
    void cancel() override { cancelled = true; }
};

} // namespace

class SessionEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void AsksBeforeChangesAreLost() {
        auto* manager = qApp->findChild<QSessionManager*>();
        QVERIFY(manager != nullptr);
        QPlatformSessionManager*& platform =
            static_cast<QSessionManagerPrivate*>(QObjectPrivate::get(manager))
                ->platformSessionManager;
        // Changed, the session lets us ask, the answer: the session stopped, questions asked.
        // clang-format off
        const std::tuple<bool, bool, bool, bool, int> cases[] = {
            {false, true, false, false, 0}, {true, true, false, true, 1}, {true, true, true, false, 1},
            {true, false, false, true, 0}};
        // clang-format on
        for (const auto& [changed, interactive, answer, stopped, asked] : cases) {
            Editor editor;
            if (changed)
                editor.window->AddSequenceToPlaylist("/seq/Intro.kas");
            editor.prompts.questionAnswers << answer;
            Session session(interactive);
            QPlatformSessionManager* const desktop = std::exchange(platform, &session);
            session.appCommitData();
            platform = desktop;
            QCOMPARE(session.cancelled, stopped);
            QCOMPARE(editor.prompts.prompts.size(), asked);
            // Once agreed, the window closes without asking again (here No would keep it).
            editor.prompts.questionAnswers << false;
            QCOMPARE(editor.window->close(), !stopped);
        }
    }
};

BWSHOW_REGISTER_TEST(SessionEndTest);

} // namespace bw::test

#include "SessionEndTest.moc"
