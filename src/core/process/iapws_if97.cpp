#include "core/process/iapws_if97.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace vapentis::if97 {

namespace {

constexpr double kGasConstant = 0.461526;  // R, kJ/(kg K)
constexpr double kKelvinOffset = 273.15;
constexpr double kJoulesPerKilojoule = 1000;
// R T / p in kJ/(kg MPa) is this many m3/kg.
constexpr double kCubicMetresPerKilojouleMegapascal = 1e-3;

// One term n π^I τ^J of a sum, as the release prints its tables.
struct Term {
  int i;
  int j;
  double n;
};

// A power table must be inlined for the optimiser to drop the powers no term reads and keep the
// rest in registers; GCC will not on its own, the table being large.
#if defined(__GNUC__)
#define VAPENTIS_IF97_INLINE [[gnu::always_inline]] inline
#else
#define VAPENTIS_IF97_INLINE inline
#endif

// x^k for every k in [kLow, kHigh], with kLow <= 0 <= kHigh. Each power is the product of two
// of about half its exponent, so no chain of multiplications is longer than a few steps; the
// exponents are constants, so an optimiser keeps the powers in registers.
template <int kLow, int kHigh>
class Powers {
 public:
  VAPENTIS_IF97_INLINE explicit Powers(double x) {
    At(0) = 1;
    if constexpr (kHigh >= 1) Up(x, std::make_integer_sequence<int, kHigh>{});
    if constexpr (kLow <= -1) Down(1 / x, std::make_integer_sequence<int, -kLow>{});
  }
  double operator[](int k) const { return powers_[static_cast<std::size_t>(k - kLow)]; }

 private:
  double& At(int k) { return powers_[static_cast<std::size_t>(k - kLow)]; }
  // x^1 … x^kHigh, in that order.
  template <int... kK>
  VAPENTIS_IF97_INLINE void Up(double x, std::integer_sequence<int, kK...> /*k − 1*/) {
    ((At(kK + 1) = kK == 0 ? x : At((kK + 1) / 2) * At(kK + 1 - (kK + 1) / 2)), ...);
  }
  // x^−1 … x^kLow, in that order, from 1/x.
  template <int... kK>
  VAPENTIS_IF97_INLINE void Down(double inverse, std::integer_sequence<int, kK...> /*k − 1*/) {
    ((At(-kK - 1) = kK == 0 ? inverse : At(-((kK + 1) / 2)) * At(-(kK + 1 - (kK + 1) / 2))), ...);
  }
  std::array<double, kHigh - kLow + 1> powers_;
};

// The sums Σ w t over the terms t = n x^I y^J of a table, with the weights w = 1, I, J,
// I(I−1), J(J−1) and I J that its derivatives need.
struct Sums {
  double s = 0, si = 0, sj = 0, sii = 0, sjj = 0, sij = 0;
  double sjjj = 0;  // J(J−1)(J−2): along an isobar only
};

// Which derivatives a state needs: the first ones (volume and enthalpy), all up to the second
// (every property), or those by the temperature alone, up to the third (enthalpy, entropy, heat
// capacity and its slope along an isobar).
enum class Order { kFirst, kSecond, kAlongIsobar };

// Term k of a table into the sums, from x^I y^J; the products of n and a weight are constants,
// weights of zero add nothing, and only the sums the order needs are added.
template <const auto& kTerms, std::size_t kK, Order kOrder>
void AddTerm(Sums& sums, double xy) {
  constexpr double kN = kTerms[kK].n;
  constexpr int kI = kTerms[kK].i;
  constexpr int kJ = kTerms[kK].j;
  constexpr bool kByPressure = kOrder != Order::kAlongIsobar;
  constexpr bool kSecond = kOrder != Order::kFirst;
  sums.s += kN * xy;
  if constexpr (kByPressure && kI != 0) sums.si += kN * kI * xy;
  if constexpr (kJ != 0) sums.sj += kN * kJ * xy;
  if constexpr (kByPressure && kSecond && kI * (kI - 1) != 0) {
    sums.sii += kN * (kI * (kI - 1)) * xy;
  }
  if constexpr (kSecond && kJ * (kJ - 1) != 0) sums.sjj += kN * (kJ * (kJ - 1)) * xy;
  if constexpr (kByPressure && kSecond && kI * kJ != 0) sums.sij += kN * (kI * kJ) * xy;
  if constexpr (!kByPressure && kJ * (kJ - 1) * (kJ - 2) != 0) {
    sums.sjjj += kN * (kJ * (kJ - 1) * (kJ - 2)) * xy;
  }
}

// The lowest and highest exponents of a table, and 0.
struct Exponents {
  int low_i = 0, high_i = 0, low_j = 0, high_j = 0;
};

template <std::size_t kCount>
constexpr Exponents ExponentsOf(const Term (&terms)[kCount]) {
  Exponents e;
  for (const Term& term : terms) {
    e.low_i = std::min(e.low_i, term.i);
    e.high_i = std::max(e.high_i, term.i);
    e.low_j = std::min(e.low_j, term.j);
    e.high_j = std::max(e.high_j, term.j);
  }
  return e;
}

// Unrolled over the table at compile time, so each term's exponents and weights are constants;
// the powers of x given, those of y worked out here.
template <const auto& kTerms, Order kOrder, class XPowers>
VAPENTIS_IF97_INLINE Sums SumTermsWith(const XPowers& xs, double y) {
  constexpr Exponents kE = ExponentsOf(kTerms);
  const Powers<kE.low_j, kE.high_j> ys(y);
  Sums sums;
  [&]<std::size_t... kK>(std::index_sequence<kK...>) {
    (AddTerm<kTerms, kK, kOrder>(sums, xs[kTerms[kK].i] * ys[kTerms[kK].j]), ...);
  }
  (std::make_index_sequence<std::size(kTerms)>{});
  return sums;
}

template <const auto& kTerms, Order kOrder>
Sums SumTerms(double x, double y) {
  constexpr Exponents kE = ExponentsOf(kTerms);
  return SumTermsWith<kTerms, kOrder>(Powers<kE.low_i, kE.high_i>(x), y);
}

// A dimensionless Gibbs free energy γ and its derivatives by π and τ.
struct Gamma {
  double g = 0, p = 0, t = 0, pp = 0, tt = 0, pt = 0;
};

// ---- Region 1: γ = Σ n (7.1 − π)^I (τ − 1.222)^J, eq. (7) ------------------------------------

constexpr double kRegion1PressureMpa = 16.53;  // p*
constexpr double kRegion1TemperatureK = 1386;  // T*

// Table 2, i = 1 … 34: I, J, n.
constexpr Term kRegion1[] = {
    {0, -2, 0.14632971213167},         // 1
    {0, -1, -0.84548187169114},        // 2
    {0, 0, -0.37563603672040e1},       // 3
    {0, 1, 0.33855169168385e1},        // 4
    {0, 2, -0.95791963387872},         // 5
    {0, 3, 0.15772038513228},          // 6
    {0, 4, -0.16616417199501e-1},      // 7
    {0, 5, 0.81214629983568e-3},       // 8
    {1, -9, 0.28319080123804e-3},      // 9
    {1, -7, -0.60706301565874e-3},     // 10
    {1, -1, -0.18990068218419e-1},     // 11
    {1, 0, -0.32529748770505e-1},      // 12
    {1, 1, -0.21841717175414e-1},      // 13
    {1, 3, -0.52838357969930e-4},      // 14
    {2, -3, -0.47184321073267e-3},     // 15
    {2, 0, -0.30001780793026e-3},      // 16
    {2, 1, 0.47661393906987e-4},       // 17
    {2, 3, -0.44141845330846e-5},      // 18
    {2, 17, -0.72694996297594e-15},    // 19
    {3, -4, -0.31679644845054e-4},     // 20
    {3, 0, -0.28270797985312e-5},      // 21
    {3, 6, -0.85205128120103e-9},      // 22
    {4, -5, -0.22425281908000e-5},     // 23
    {4, -2, -0.65171222895601e-6},     // 24
    {4, 10, -0.14341729937924e-12},    // 25
    {5, -8, -0.40516996860117e-6},     // 26
    {8, -11, -0.12734301741641e-8},    // 27
    {8, -6, -0.17424871230634e-9},     // 28
    {21, -29, -0.68762131295531e-18},  // 29
    {23, -31, 0.14478307828521e-19},   // 30
    {29, -38, 0.26335781662795e-22},   // 31
    {30, -39, -0.11947622640071e-22},  // 32
    {31, -40, 0.18228094581404e-23},   // 33
    {32, -41, -0.93537087292458e-25},  // 34
};

template <Order kOrder>
Gamma Region1Gamma(double pi, double tau) {
  const double x = 7.1 - pi;
  const double y = tau - 1.222;
  const Sums s = SumTerms<kRegion1, kOrder>(x, y);
  // d/dπ of x^I is −I x^I / x; d/dτ of y^J is J y^J / y.
  const double dx = -1 / x;
  const double dy = 1 / y;
  return {s.s, s.si * dx, s.sj * dy, s.sii * dx * dx, s.sjj * dy * dy, s.sij * dx * dy};
}

// ---- Region 2: γ = γ° + γʳ, eq. (15) ----------------------------------------------------------

constexpr double kRegion2PressureMpa = 1;     // p*
constexpr double kRegion2TemperatureK = 540;  // T*

// Table 10, i = 1 … 9: the ideal-gas part γ° = ln π + Σ n° τ^J°, eq. (16), with J° and n°;
// I is unused.
constexpr Term kRegion2Ideal[] = {
    {0, 0, -0.96927686500217e1},    // 1
    {0, 1, 0.10086655968018e2},     // 2
    {0, -5, -0.56087911283020e-2},  // 3
    {0, -4, 0.71452738081455e-1},   // 4
    {0, -3, -0.40710498223928},     // 5
    {0, -2, 0.14240819171444e1},    // 6
    {0, -1, -0.43839511319450e1},   // 7
    {0, 2, -0.28408632460772},      // 8
    {0, 3, 0.21268463753307e-1},    // 9
};

// Table 11, i = 1 … 43: I, J, n of the residual part γʳ = Σ n π^I (τ − 0.5)^J, eq. (17).
constexpr Term kRegion2Residual[] = {
    {1, 0, -0.17731742473213e-2},     // 1
    {1, 1, -0.17834862292358e-1},     // 2
    {1, 2, -0.45996013696365e-1},     // 3
    {1, 3, -0.57581259083432e-1},     // 4
    {1, 6, -0.50325278727930e-1},     // 5
    {2, 1, -0.33032641670203e-4},     // 6
    {2, 2, -0.18948987516315e-3},     // 7
    {2, 4, -0.39392777243355e-2},     // 8
    {2, 7, -0.43797295650573e-1},     // 9
    {2, 36, -0.26674547914087e-4},    // 10
    {3, 0, 0.20481737692309e-7},      // 11
    {3, 1, 0.43870667284435e-6},      // 12
    {3, 3, -0.32277677238570e-4},     // 13
    {3, 6, -0.15033924542148e-2},     // 14
    {3, 35, -0.40668253562649e-1},    // 15
    {4, 1, -0.78847309559367e-9},     // 16
    {4, 2, 0.12790717852285e-7},      // 17
    {4, 3, 0.48225372718507e-6},      // 18
    {5, 7, 0.22922076337661e-5},      // 19
    {6, 3, -0.16714766451061e-10},    // 20
    {6, 16, -0.21171472321355e-2},    // 21
    {6, 35, -0.23895741934104e2},     // 22
    {7, 0, -0.59059564324270e-17},    // 23
    {7, 11, -0.12621808899101e-5},    // 24
    {7, 25, -0.38946842435739e-1},    // 25
    {8, 8, 0.11256211360459e-10},     // 26
    {8, 36, -0.82311340897998e1},     // 27
    {9, 13, 0.19809712802088e-7},     // 28
    {10, 4, 0.10406965210174e-18},    // 29
    {10, 10, -0.10234747095929e-12},  // 30
    {10, 14, -0.10018179379511e-8},   // 31
    {16, 29, -0.80882908646985e-10},  // 32
    {16, 50, 0.10693031879409},       // 33
    {18, 57, -0.33662250574171},      // 34
    {20, 20, 0.89185845355421e-24},   // 35
    {20, 35, 0.30629316876232e-12},   // 36
    {20, 48, -0.42002467698208e-5},   // 37
    {21, 21, -0.59056029685639e-25},  // 38
    {22, 53, 0.37826947613457e-5},    // 39
    {23, 39, -0.12768608934681e-14},  // 40
    {24, 26, 0.73087610595061e-28},   // 41
    {24, 40, 0.55414715350778e-16},   // 42
    {24, 58, -0.94369707241210e-6},   // 43
};

// The ideal-gas and the residual part apart: the speed of sound of Table 12 keeps them so.
struct Region2Parts {
  Gamma ideal, residual;
};

template <Order kOrder>
Region2Parts Region2Gamma(double pi, double tau) {
  const Sums o = SumTerms<kRegion2Ideal, kOrder>(1, tau);
  const Sums r = SumTerms<kRegion2Residual, kOrder>(pi, tau - 0.5);
  const double dp = 1 / pi;
  const double dt = 1 / tau;
  const double dy = 1 / (tau - 0.5);
  Region2Parts parts;
  parts.ideal = {0, dp, o.sj * dt, -dp * dp, o.sjj * dt * dt, 0};
  if constexpr (kOrder != Order::kFirst) parts.ideal.g = std::log(pi) + o.s;
  parts.residual = {r.s, r.si * dp, r.sj * dy, r.sii * dp * dp, r.sjj * dy * dy, r.sij * dp * dy};
  return parts;
}

// ---- Region 4: the saturation line, eqs. (30) and (31) --------------------------------------

// Table 34, n1 … n10 at n[1] … n[10].
constexpr std::array<double, 11> kRegion4 = {
    0,
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
};

// f(T), f'(T) and f''(T), and the point of region 2 they come from.
struct Slopes {
  double f, f1, f2;
  IsobarPoint point;
};

// The last point a search evaluated, and the step from it to the root.
struct Found {
  double t_k;
  double step;
  IsobarPoint at;
};

// The root of an increasing f between low and high, by Halley's method from `guess`, kept
// inside the bracket its iterates narrow, with a halving wherever a step would leave it;
// nullopt where f stays below zero at the high end. Near the root each step cubes the error,
// times (f″/2f′)² − f‴/6f′, below 1e-2 per kelvin squared for region 2's entropy and enthalpy
// even beside the saturation line at 16.5 MPa: so once a step is below 2e-3 K, the point it
// reaches lies within 1e-10 K of the root.
template <class F>
std::optional<Found> IncreasingRoot(F at, double low, double high, double guess) {
  constexpr double kConvergedStepK = 2e-3;
  constexpr double kNarrowestK = 1e-10;
  constexpr int kMostSteps = 200;  // halvings alone narrow 1000 K to 1e-10 K in 44
  bool high_seen = false;          // f(high) >= 0 is known: the root lies in the bracket
  double t = std::clamp(guess, low, high);
  for (int step = 0; step < kMostSteps; ++step) {
    const Slopes here = at(t);
    const double f = here.f;
    const double f1 = here.f1;
    const double f2 = here.f2;
    if (f == 0) return Found{t, 0, here.point};
    if (f < 0) {
      low = t;
    } else {
      high = t;
      high_seen = true;
    }
    double next = t - 2 * f * f1 / (2 * f1 * f1 - f * f2);
    if (next >= high && !high_seen) {
      if (at(high).f < 0) return std::nullopt;
      high_seen = true;
    }
    if (!(next > low && next < high)) {
      next = low + (high - low) / 2;
    } else if (std::abs(next - t) <= kConvergedStepK) {
      return Found{t, next - t, here.point};
    }
    if (high - low <= kNarrowestK) return Found{t, next - t, here.point};
    t = next;
  }
  return Found{t, 0, at(t).point};
}

}  // namespace

VolumeEnthalpy Region1VolumeEnthalpy(double p_mpa, double t_k) {
  const double tau = kRegion1TemperatureK / t_k;
  const Gamma g = Region1Gamma<Order::kFirst>(p_mpa / kRegion1PressureMpa, tau);
  const double rt = kGasConstant * t_k;
  return {rt * g.p / kRegion1PressureMpa * kCubicMetresPerKilojouleMegapascal, rt * tau * g.t};
}

VolumeEnthalpy Region2VolumeEnthalpy(double p_mpa, double t_k) {
  const double pi = p_mpa / kRegion2PressureMpa;
  const double tau = kRegion2TemperatureK / t_k;
  const auto [o, r] = Region2Gamma<Order::kFirst>(pi, tau);
  const double rt = kGasConstant * t_k;
  return {rt * (o.p + r.p) / kRegion2PressureMpa * kCubicMetresPerKilojouleMegapascal,
          rt * tau * (o.t + r.t)};
}

namespace {

Saturation SaturatedAt(double p_mpa, double t_k) {
  const VolumeEnthalpy liquid = Region1VolumeEnthalpy(p_mpa, t_k);
  const VolumeEnthalpy vapour = Region2VolumeEnthalpy(p_mpa, t_k);
  return {t_k - kKelvinOffset, p_mpa, 1 / liquid.v, 1 / vapour.v, liquid.h, vapour.h};
}

}  // namespace

State Region1(double p_mpa, double t_k) {
  const double pi = p_mpa / kRegion1PressureMpa;
  const double tau = kRegion1TemperatureK / t_k;
  const Gamma g = Region1Gamma<Order::kSecond>(pi, tau);
  const double rt = kGasConstant * t_k;
  State state{};
  state.v = rt * g.p / kRegion1PressureMpa * kCubicMetresPerKilojouleMegapascal;
  state.h = rt * tau * g.t;
  state.u = rt * (tau * g.t - pi * g.p);
  state.s = kGasConstant * (tau * g.t - g.g);
  state.cp = -kGasConstant * tau * tau * g.tt;
  const double a = g.p - tau * g.pt;
  state.w = std::sqrt(rt * kJoulesPerKilojoule * g.p * g.p / (a * a / (tau * tau * g.tt) - g.pp));
  return state;
}

State Region2(double p_mpa, double t_k) {
  const double pi = p_mpa / kRegion2PressureMpa;
  const double tau = kRegion2TemperatureK / t_k;
  const auto [o, r] = Region2Gamma<Order::kSecond>(pi, tau);
  const double rt = kGasConstant * t_k;
  const double gp = o.p + r.p;
  const double gt = o.t + r.t;
  const double gtt = o.tt + r.tt;
  State state{};
  state.v = rt * gp / kRegion2PressureMpa * kCubicMetresPerKilojouleMegapascal;
  state.h = rt * tau * gt;
  state.u = rt * (tau * gt - pi * gp);
  state.s = kGasConstant * (tau * gt - (o.g + r.g));
  state.cp = -kGasConstant * tau * tau * gtt;
  const double pgr = pi * r.p;
  const double a = 1 + pgr - tau * pi * r.pt;
  state.w = std::sqrt(rt * kJoulesPerKilojoule * (1 + 2 * pgr + pgr * pgr) /
                      ((1 - pi * pi * r.pp) + a * a / (tau * tau * gtt)));
  return state;
}

// The powers of π an isobar keeps, read as a power table is.
struct KeptPowers {
  const double* powers;
  double operator[](int k) const { return powers[k]; }
};

static_assert(ExponentsOf(kRegion2Residual).low_i == 0 &&
              ExponentsOf(kRegion2Residual).high_i + 1 == Region2Isobar::kPressurePowers);

Region2Isobar::Region2Isobar(double p_mpa)
    : pi_(p_mpa / kRegion2PressureMpa), log_pi_(std::log(pi_)) {
  const Powers<0, kPressurePowers - 1> powers(pi_);
  for (int k = 0; k < kPressurePowers; ++k) pi_powers_[static_cast<std::size_t>(k)] = powers[k];
}

IsobarPoint Region2Isobar::At(double t_k) const {
  const double tau = kRegion2TemperatureK / t_k;
  const Sums o = SumTerms<kRegion2Ideal, Order::kAlongIsobar>(1, tau);
  const Sums r =
      SumTermsWith<kRegion2Residual, Order::kAlongIsobar>(KeptPowers{pi_powers_.data()}, tau - 0.5);
  const double dt = 1 / tau;
  const double dy = 1 / (tau - 0.5);
  // γ and its derivatives by τ, ideal part and residual part together.
  const double g = log_pi_ + o.s + r.s;
  const double gt = o.sj * dt + r.sj * dy;
  const double gtt = o.sjj * dt * dt + r.sjj * dy * dy;
  const double gttt = o.sjjj * dt * dt * dt + r.sjjj * dy * dy * dy;
  // cp = −R τ² γττ; dτ/dT = −τ / T.
  return {kGasConstant * t_k * tau * gt, kGasConstant * (tau * gt - g),
          -kGasConstant * tau * tau * gtt, kGasConstant * tau * tau * (2 * gtt + tau * gttt) / t_k};
}

namespace {

// The point the search's last evaluation gives, carried `step` on to the root along its slopes.
IsobarRoot Reached(const IsobarPoint& at, double t_k, double step) {
  const double t = t_k + step;
  const double half_step2 = step * step / 2;
  return {t,
          {at.h + at.cp * step + at.dcp_dt * half_step2,
           at.s + at.cp / t_k * step + (at.dcp_dt - at.cp / t_k) / t_k * half_step2,
           at.cp + at.dcp_dt * step, at.dcp_dt}};
}

}  // namespace

std::optional<IsobarRoot> Region2AtEntropy(const Region2Isobar& isobar, double s, double t_low_k,
                                           double t_high_k, double t_guess_k) {
  // ds/dT = cp / T at a fixed pressure.
  const std::optional<Found> root = IncreasingRoot(
      [&](double t) {
        const IsobarPoint p = isobar.At(t);
        return Slopes{p.s - s, p.cp / t, (p.dcp_dt - p.cp / t) / t, p};
      },
      t_low_k, t_high_k, t_guess_k);
  if (!root) return std::nullopt;
  return Reached(root->at, root->t_k, root->step);
}

std::optional<IsobarRoot> Region2AtEnthalpy(const Region2Isobar& isobar, double h, double t_low_k,
                                            double t_high_k, double t_guess_k) {
  const std::optional<Found> root = IncreasingRoot(
      [&](double t) {
        const IsobarPoint p = isobar.At(t);
        return Slopes{p.h - h, p.cp, p.dcp_dt, p};
      },
      t_low_k, t_high_k, t_guess_k);
  if (!root) return std::nullopt;
  return Reached(root->at, root->t_k, root->step);
}

double SaturationPressure(double t_k) {
  const auto& n = kRegion4;
  const double theta = t_k + n[9] / (t_k - n[10]);
  const double theta2 = theta * theta;
  const double a = theta2 + n[1] * theta + n[2];
  const double b = n[3] * theta2 + n[4] * theta + n[5];
  const double c = n[6] * theta2 + n[7] * theta + n[8];
  const double x = 2 * c / (-b + std::sqrt(b * b - 4 * a * c));
  const double x2 = x * x;
  return x2 * x2;
}

double SaturationTemperature(double p_mpa) {
  const auto& n = kRegion4;
  const double beta = std::sqrt(std::sqrt(p_mpa));
  const double beta2 = beta * beta;
  const double e = beta2 + n[3] * beta + n[6];
  const double f = n[1] * beta2 + n[4] * beta + n[7];
  const double g = n[2] * beta2 + n[5] * beta + n[8];
  const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
  const double nd = n[10] + d;
  return (nd - std::sqrt(nd * nd - 4 * (n[9] + n[10] * d))) / 2;
}

std::optional<Saturation> SaturationAtTemperature(double t_c) {
  // Written so that NaN, which compares false, falls outside.
  if (!(t_c >= kLowestTemperatureC && t_c <= kHighestTemperatureC)) return std::nullopt;
  const double t_k = t_c + kKelvinOffset;
  return SaturatedAt(SaturationPressure(t_k), t_k);
}

std::optional<Saturation> SaturationAtPressure(double p_mpa) {
  if (!(p_mpa >= kLowestPressureMpa && p_mpa <= kHighestPressureMpa)) return std::nullopt;
  return SaturatedAt(p_mpa, SaturationTemperature(p_mpa));
}

}  // namespace vapentis::if97
