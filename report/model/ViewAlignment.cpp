#include "report/model/ViewAlignment.h"

#include "report/model/TfrxView.h"

#include <algorithm>
#include <cmath>

namespace {

bool overlapVertically(const TfrxView& a, const TfrxView& b)
{
    constexpr double kTolerance = 0.0001;
    return a.GetAbsTop() < b.GetAbsTop() + b.GetHeight() - kTolerance &&
           b.GetAbsTop() < a.GetAbsTop() + a.GetHeight() - kTolerance;
}

double rightEdge(const TfrxView& view)
{
    return view.GetLeft() + view.GetWidth();
}

// Views with a negative Left come first, by increasing magnitude, then the others by Left.
QList<TfrxView*> orderByLeft(QList<TfrxView*> views)
{
    std::stable_sort(views.begin(), views.end(), [](const TfrxView* a, const TfrxView* b) {
        const bool aNegative = a->GetLeft() < 0;
        const bool bNegative = b->GetLeft() < 0;
        if (aNegative != bNegative)
            return aNegative;
        return std::fabs(a->GetLeft()) < std::fabs(b->GetLeft());
    });
    return views;
}

void alignLeftwards(const QList<TfrxView*>& ordered)
{
    for (qsizetype i = 0; i < ordered.size(); ++i) {
        TfrxView& view = *ordered[i];
        if (view.GetAlign() != baLeft && view.GetAlign() != baWidth)
            continue;
        const TfrxView* found = nullptr;
        for (qsizetype j = i - 1; j >= 0 && !found; --j) {
            const TfrxView& candidate = *ordered[j];
            if (view.GetAlign() == baWidth && candidate.GetLeft() > view.GetLeft())
                continue;
            if (overlapVertically(view, candidate))
                found = &candidate;
        }
        view.SetLeft(found ? rightEdge(*found) : 0);
    }
}

void alignRightwards(const QList<TfrxView*>& ordered, double parentWidth)
{
    for (qsizetype i = ordered.size() - 1; i >= 0; --i) {
        TfrxView& view = *ordered[i];
        if (view.GetAlign() != baRight && view.GetAlign() != baWidth)
            continue;
        const TfrxView* found = nullptr;
        for (qsizetype j = i + 1; j < ordered.size() && !found; ++j) {
            const TfrxView& candidate = *ordered[j];
            if (view.GetAlign() == baWidth && rightEdge(candidate) < rightEdge(view))
                continue;
            if (overlapVertically(view, candidate))
                found = &candidate;
        }
        const double x = found ? found->GetLeft() : parentWidth;
        if (view.GetAlign() == baRight)
            view.SetLeft(x - view.GetWidth());
        else
            view.SetWidth(x - view.GetLeft());
    }
}

void alignToParent(const QList<TfrxView*>& views, double parentWidth, double parentHeight)
{
    for (TfrxView* view : views) {
        switch (view->GetAlign()) {
        case baCenter:
            view->SetLeft((parentWidth - view->GetWidth()) / 2);
            break;
        case baBottom:
            view->SetTop(parentHeight - view->GetHeight());
            break;
        case baClient:
            view->SetBounds(0, 0, parentWidth, parentHeight);
            break;
        default:
            break;
        }
    }
}

} // namespace

void alignChildViews(TfrxComponent& parent)
{
    QList<TfrxView*> views;
    for (TfrxComponent* child : parent.GetObjects())
        if (auto* view = dynamic_cast<TfrxView*>(child))
            views.append(view);
    const QList<TfrxView*> ordered = orderByLeft(views);
    alignLeftwards(ordered);
    alignRightwards(ordered, parent.GetWidth());
    alignToParent(views, parent.GetWidth(), parent.GetHeight());
}
