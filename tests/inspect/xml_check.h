#pragma once

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace compila {

// A small well-formedness check of an XML document, enough for the drawings:
// the prolog, elements with quoted attributes, character data with the five
// predefined entities and numeric references, comments. Collects every
// element with its attributes, in document order.
struct elemento_xml {
  std::string nome;
  std::map<std::string, std::string> attributi;
};

class verifica_xml {
 public:
  explicit verifica_xml(std::string s) : s_(std::move(s)) {}

  bool esegui() {
    spazi();
    if (s_.compare(i_, 5, "<?xml") == 0) {
      const size_t fine = s_.find("?>", i_);
      if (fine == std::string::npos) return errore("prolog not closed");
      i_ = fine + 2;
    }
    spazi();
    if (!elemento()) return false;
    spazi();
    return i_ == s_.size() || errore("content after the root element");
  }

  std::vector<elemento_xml> elementi;
  std::string err;

 private:
  bool errore(const std::string& e) {
    err = e + " at byte " + std::to_string(i_);
    return false;
  }
  void spazi() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  static bool carattere_nome(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
           c == '.';
  }
  bool nome(std::string* n) {
    const size_t da = i_;
    while (i_ < s_.size() && carattere_nome(s_[i_])) ++i_;
    *n = s_.substr(da, i_ - da);
    return !n->empty() || errore("name expected");
  }
  bool riferimento() {  // at '&'
    const size_t fine = s_.find(';', i_);
    if (fine == std::string::npos) return errore("entity not closed");
    const std::string e = s_.substr(i_ + 1, fine - i_ - 1);
    const bool noto = e == "amp" || e == "lt" || e == "gt" || e == "quot" || e == "apos" ||
                      (e.size() > 1 && e[0] == '#');
    if (!noto) return errore("unknown entity &" + e + ";");
    i_ = fine + 1;
    return true;
  }
  bool testo(char fine) {
    while (i_ < s_.size() && s_[i_] != fine) {
      if (s_[i_] == '&') {
        if (!riferimento()) return false;
      } else if (s_[i_] == '<') {
        return errore("bare markup character in text");
      } else {
        ++i_;
      }
    }
    return i_ < s_.size() || errore("document ends in text");
  }
  bool elemento() {
    if (i_ >= s_.size() || s_[i_] != '<') return errore("element expected");
    ++i_;
    elemento_xml e;
    if (!nome(&e.nome)) return false;
    for (;;) {
      spazi();
      if (i_ >= s_.size()) return errore("tag not closed");
      if (s_.compare(i_, 2, "/>") == 0) {
        i_ += 2;
        elementi.push_back(e);
        return true;
      }
      if (s_[i_] == '>') break;
      std::string a;
      if (!nome(&a)) return false;
      spazi();
      if (i_ + 1 >= s_.size() || s_[i_] != '=') return errore("= expected");
      ++i_;
      spazi();
      const char q = s_[i_];
      if (q != '"' && q != '\'') return errore("quoted value expected");
      const size_t da = ++i_;
      if (!testo(q)) return false;
      if (e.attributi.count(a)) return errore("attribute " + a + " repeated");
      e.attributi[a] = s_.substr(da, i_ - da);
      ++i_;
    }
    ++i_;
    elementi.push_back(e);
    for (;;) {
      if (!testo('<')) return false;
      if (s_.compare(i_, 4, "<!--") == 0) {
        const size_t fine = s_.find("-->", i_);
        if (fine == std::string::npos) return errore("comment not closed");
        i_ = fine + 3;
        continue;
      }
      if (s_.compare(i_, 2, "</") == 0) {
        i_ += 2;
        std::string n;
        if (!nome(&n)) return false;
        if (n != e.nome) return errore("</" + n + "> closes <" + e.nome + ">");
        spazi();
        if (i_ >= s_.size() || s_[i_] != '>') return errore("> expected");
        ++i_;
        return true;
      }
      if (!elemento()) return false;
    }
  }

  const std::string s_;
  size_t i_ = 0;
};

}  // namespace compila
