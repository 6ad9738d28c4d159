#include "app/Activities.h"

#include "colouring/ColouringActivity.h"
#include "games/GameActivities.h"
#include "games/GameObjects.h"
#include "games/PictureWait.h"
#include "slogi/SlogActivity.h"

std::vector<TActivity> MakeActivities(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                                      std::function<QSet<QString>()> NotYetKnownSyllables)
{
    auto pictures = std::make_shared<TPictureWait>(Window);
    std::vector<TActivity> list;
    list.push_back(LearningActivity(Context, Objects));
    list.push_back(FindLetterActivity(Context, Objects, Window, pictures));
    list.push_back(MakeWordActivity(Context, Objects, Window, pictures));
    list.push_back(ExamActivity(Context, Objects));
    list.push_back(ColouringActivity(Context, Window, Objects.RaskrasImgPanels));
    list.push_back(SlogiActivity(Context, Window, std::move(NotYetKnownSyllables)));
    return list;
}
