#pragma once
#include <stdexcept>

namespace modDB {

// The fixed key of the card database.
inline constexpr char kPassword[] = "Xk7Lm2pQr9tZw4Bn8D";

// A failure of the card database: the file cannot be opened, is no database, has another
// key, or a statement failed. what() is a sentence fit for the user.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace modDB
