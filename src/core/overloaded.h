#pragma once

// Combines lambdas into one visitor for std::visit.
template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// Spelled out for compilers without deduction from aggregate initialisers.
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;
