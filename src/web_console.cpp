// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The console of the game in a web page. Standard input and output are the
// page's screen: output is shown at once, prompt included, and a read waits
// for the next line the player sends. The wait for a key waits for one key
// press, or a tap. The page (web/page.js) does the showing and the typing;
// the game's code awaits it, as a console program blocks on its terminal
// (Emscripten's Asyncify turns each await into such a wait).

#include <emscripten.h>

#include <array>
#include <iostream>
#include <streambuf>

#include "wait_for_key.h"

namespace {

EM_JS(void, page_write, (const char* text, int length),
      { Module.guessConsole.write(UTF8ToString(text, length)); });

// Up to `size` bytes of what the player has sent, a line at a time as a
// terminal gives them; 0 at the end of input.
EM_ASYNC_JS(int, page_read, (char* buffer, int size), {
    const bytes = await Module.guessConsole.read(size);
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});

EM_ASYNC_JS(void, page_wait_for_key, (), { await Module.guessConsole.waitForKey(); });

// Writes everything at once: the page has no line discipline of its own.
class PageOutput : public std::streambuf {
  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char ch = traits_type::to_char_type(c);
            page_write(&ch, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        page_write(text, static_cast<int>(count));
        return count;
    }
};

// Reads what the player sends, as from a terminal in canonical mode.
class PageInput : public std::streambuf {
  protected:
    int_type underflow() override {
        if (gptr() == egptr()) {
            const int got = page_read(buffer_.data(), static_cast<int>(buffer_.size()));
            if (got <= 0) {
                return traits_type::eof();
            }
            setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
        }
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::array<char, 256> buffer_{};
};

// Puts the page behind std::cin and std::cout before the game starts (the
// standard streams already exist, as <iostream> is included above), and
// takes it away again before the streams are flushed for the last time.
class PageConsole {
  public:
    PageConsole() : old_output_(std::cout.rdbuf(&output_)), old_input_(std::cin.rdbuf(&input_)) {}
    ~PageConsole() {
        std::cout.rdbuf(old_output_);
        std::cin.rdbuf(old_input_);
    }
    PageConsole(const PageConsole&) = delete;
    PageConsole& operator=(const PageConsole&) = delete;
    PageConsole(PageConsole&&) = delete;
    PageConsole& operator=(PageConsole&&) = delete;

  private:
    PageOutput output_;
    PageInput input_;
    std::streambuf* old_output_;
    std::streambuf* old_input_;
};

PageConsole console;  // NOLINT(cert-err58-cpp): nothing here throws

}  // namespace

void wait_for_key() { page_wait_for_key(); }
