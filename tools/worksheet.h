#pragma once

#include "explanation.h"
#include "player.h"

#include <array>
#include <string>
#include <vector>

namespace vspace {

// A worksheet of a session: each example (its values under the attributes' names, and its label)
// with empty boxes for S and G after it, each prediction asked with a box for the vote, then the
// answer key: S and G after each example as the learner shown at the end has them, and each
// vote; printable, each question kept together on its sheet and the key on sheets of its own.
class Worksheet
{
public:
    // Records the presses of `session` from now on, its texts in the language of `phrase` (in
    // English when none is given).
    explicit Worksheet(ReplaySession &session, Phrase phrase = {});

    // The page, titled after `title` (the session's file), its language `language`.
    std::string html(const std::string &title, std::string_view language = "en") const;

private:
    struct Question
    {
        std::string heading;  // the press, numbered, and the example's name
        std::string instance; // its values and label, a table of HTML
        bool predict = false;
        std::string answer;                    // its messages, HTML
        std::array<std::string, 2> boundaries; // S and G after it: the program's, the textbook's
    };

    void pressed(std::optional<Button> button, std::string_view name);

    ReplaySession &m_session;
    Phrase m_phrase;
    Row m_typed;
    std::size_t m_presses = 0;
    std::vector<Question> m_questions;
};

} // namespace vspace
