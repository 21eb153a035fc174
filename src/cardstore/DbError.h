#pragma once
#include <stdexcept>

namespace modDB {

// The fixed key of the card database.
inline constexpr char kPassword[] = "Xk7Lm2pQr9tZw4Bn8D";

// A failure of a database: the file cannot be opened, is no database, has another key, or a
// statement failed. what() is a sentence fit for the user; code() is SQLite's result code
// (0 when the failure did not come from SQLite), so a caller can tell a damaged file apart.
class DbError : public std::runtime_error {
public:
    explicit DbError(const std::string& text, int code = 0)
        : std::runtime_error(text)
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};

} // namespace modDB
