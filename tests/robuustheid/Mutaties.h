// A seeded generator of damaged project texts, from well-formed seeds: truncations, flipped,
// inserted and deleted bytes, fields replaced by huge, negative and non-numeric values, counts
// raised above the limits, and random bytes. The same seed always gives the same texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Model.h"

namespace robuust {

class TMutaties {
  public:
    explicit TMutaties(std::uint64_t zaad) : toestand_(zaad ? zaad : 0x9E3779B97F4A7C15ull) {}

    // Uniform enough for choosing among a few cases; own arithmetic, so a seed replays alike
    // with every standard library.
    std::uint64_t Getal() {
        toestand_ ^= toestand_ << 13;
        toestand_ ^= toestand_ >> 7;
        toestand_ ^= toestand_ << 17;
        return toestand_;
    }
    std::size_t Kies(std::size_t n) { return n ? static_cast<std::size_t>(Getal() % n) : 0; }

    // One damaged text made from `zaadtekst` with one to four mutations.
    std::string Muteer(const std::string& zaadtekst) {
        std::string t = zaadtekst;
        const std::size_t aantal = 1 + Kies(4);
        for (std::size_t i = 0; i < aantal; ++i) EenMutatie(t, zaadtekst);
        return t;
    }

  private:
    static std::vector<std::string> Velden(const std::string& t) {
        std::vector<std::string> velden(1);
        for (char c : t) {
            if (c == ',')
                velden.emplace_back();
            else
                velden.back() += c;
        }
        return velden;
    }
    static std::string Samen(const std::vector<std::string>& velden) {
        std::string t;
        for (std::size_t i = 0; i < velden.size(); ++i) {
            if (i) t += ',';
            t += velden[i];
        }
        return t;
    }

    // Positions of the count fields in a well-formed text, with the limit of each.
    struct TTelling {
        std::size_t veld;
        int grens;
    };
    static std::vector<TTelling> Tellingen(const std::vector<std::string>& velden) {
        std::vector<TTelling> uit;
        auto getal = [&](std::size_t i, int& w) {
            if (i >= velden.size()) return false;
            try {
                w = std::stoi(velden[i]);
            } catch (...) {
                return false;
            }
            return true;
        };
        int inputs = 0, outputs = 0, regels = 0;
        if (!getal(1, inputs) || !getal(2, outputs) || !getal(3, regels)) return uit;
        uit.push_back({1, MaxInputs});
        uit.push_back({2, MaxOutputs});
        uit.push_back({3, MaxRegels});
        std::size_t p = 7;
        for (int v = 0; v < inputs + outputs && v < MaxVariabelen; ++v) {
            int labels = 0;
            if (!getal(p + 4, labels) || labels < 0 || labels > MaxLabels) return uit;
            uit.push_back({p + 4, MaxLabels});
            p += 6 + 5 * static_cast<std::size_t>(labels);
        }
        for (int r = 0; r < regels && r < MaxRegels; ++r) {
            int termen = 0;
            if (!getal(p, termen) || termen < 0 || termen > MaxTermen) return uit;
            uit.push_back({p, MaxTermen});
            p += 1 + 3 * static_cast<std::size_t>(termen);
        }
        return uit;
    }

    std::string RaarGetal() {
        static const std::string rare[] = {"2147483647",
                                           "2147483648",
                                           "-2147483648",
                                           "-2147483649",
                                           "4294967296",
                                           "99999999999999999999999",
                                           "-1",
                                           "-0",
                                           "+0",
                                           "+7",
                                           " 3",
                                           "\t-2",
                                           "007",
                                           "",
                                           "abc",
                                           "1e3",
                                           "0x10",
                                           "1.5",
                                           "-",
                                           "+",
                                           "--1",
                                           "3 ",
                                           "1,",
                                           ",",
                                           "\xff",
                                           "\x80\x81",
                                           "\n",
                                           "\r\n",
                                           std::string("1\0002", 3),
                                           "128",
                                           "-129",
                                           "255",
                                           "256",
                                           "-56"};
        const std::size_t n = sizeof rare / sizeof rare[0];
        const std::size_t k = Kies(n + 2);
        if (k < n) return rare[k];
        // A long run of digits, or a long name.
        const std::string los(1 + Kies(40), k == n ? '9' : 'x');
        return los;
    }

    void EenMutatie(std::string& t, const std::string& zaadtekst) {
        switch (Kies(9)) {
            case 0:  // flip one bit
                if (!t.empty()) t[Kies(t.size())] ^= static_cast<char>(1u << Kies(8));
                break;
            case 1:  // overwrite a byte
                if (!t.empty()) t[Kies(t.size())] = static_cast<char>(Getal());
                break;
            case 2: {  // insert bytes, often a separator or a digit
                static const char keus[] = ",-0123456789 \n\0\xe4";
                const std::size_t n = 1 + Kies(3);
                for (std::size_t i = 0; i < n; ++i) {
                    const char c =
                        Kies(2) ? keus[Kies(sizeof keus - 1)] : static_cast<char>(Getal());
                    t.insert(t.begin() + static_cast<std::ptrdiff_t>(Kies(t.size() + 1)), c);
                }
                break;
            }
            case 3:  // delete a run of bytes
                if (!t.empty()) {
                    const std::size_t p = Kies(t.size());
                    t.erase(p, 1 + Kies(8));
                }
                break;
            case 4: {  // a field becomes a strange value
                std::vector<std::string> v = Velden(t);
                v[Kies(v.size())] = RaarGetal();
                t = Samen(v);
                break;
            }
            case 5: {  // a count above its limit, at it, or negative
                std::vector<std::string> v = Velden(t);
                const std::vector<TTelling> tellingen = Tellingen(Velden(zaadtekst));
                if (tellingen.empty() || v.size() != Velden(zaadtekst).size()) {
                    v[Kies(v.size())] = RaarGetal();
                } else {
                    const TTelling& c = tellingen[Kies(tellingen.size())];
                    static const int extra[] = {1, 2, 7, 1000, 2147483647};
                    const std::size_t k = Kies(8);
                    long long w = k < 5    ? static_cast<long long>(c.grens) + extra[k]
                                  : k == 5 ? c.grens
                                  : k == 6 ? -1
                                           : static_cast<long long>(Kies(c.grens + 1));
                    if (w > 2147483647) w = 2147483647;
                    v[c.veld] = std::to_string(w);
                }
                t = Samen(v);
                break;
            }
            case 6: {  // remove, duplicate or swap fields
                std::vector<std::string> v = Velden(t);
                const std::size_t a = Kies(v.size()), b = Kies(v.size());
                switch (Kies(3)) {
                    case 0:
                        v.erase(v.begin() + static_cast<std::ptrdiff_t>(a));
                        break;
                    case 1:
                        v.insert(v.begin() + static_cast<std::ptrdiff_t>(a), v[b]);
                        break;
                    default:
                        std::swap(v[a], v[b]);
                }
                t = Samen(v);
                break;
            }
            case 7: {  // random bytes, or random numbers and commas
                const std::size_t n = Kies(300);
                t.clear();
                const bool getallen = Kies(2);
                for (std::size_t i = 0; i < n; ++i) {
                    if (getallen) {
                        static const char keus[] = "0123456789,,,,-";
                        t += keus[Kies(sizeof keus - 1)];
                    } else {
                        t += static_cast<char>(Getal());
                    }
                }
                break;
            }
            default: {  // cut at a random place and append another piece of the seed
                const std::size_t p = Kies(t.size() + 1);
                const std::size_t q = Kies(zaadtekst.size() + 1);
                t = t.substr(0, p) + zaadtekst.substr(q);
                break;
            }
        }
    }

    std::uint64_t toestand_;
};

}  // namespace robuust
