#include "guidance/references.h"

namespace vorelan {

const std::vector<std::string>& references() {
  static const std::vector<std::string> list{
      "Chi, H. and H. Liu. 1985. Two new methods for the study of insect population ecology. Bulletin of the "
      "Institute of Zoology, Academia Sinica 24: 225-240.",
      "Chi, H. 1988. Life-table analysis incorporating both sexes and variable development rates among "
      "individuals. Environmental Entomology 17: 26-34.",
      "Chi, H. and W. M. Getz. 1988. Mass rearing and harvesting based on an age-stage, two-sex life table: a "
      "potato tuberworm (Lepidoptera: Gelechiidae) case study. Environmental Entomology 17: 18-25.",
      "Chi, H. 1990. Timing of control based on the stage structure of pest populations: a simulation "
      "approach. Journal of Economic Entomology 83: 1143-1150.",
      "Chi, H. and T. C. Yang. 2003. Two-sex life table and predation rate of Propylaea japonica Thunberg "
      "(Coleoptera: Coccinellidae) fed on Myzus persicae (Sulzer) (Homoptera: Aphididae). Environmental "
      "Entomology 32: 327-333.",
      "Yu, J. Z., H. Chi and B. H. Chen. 2005. Life table and predation of Lemnia biplagiata (Coleoptera: "
      "Coccinellidae) fed on Aphis gossypii (Homoptera: Aphididae) with a proof on relationship among gross "
      "reproduction rate, net reproduction rate, and preadult survivorship. Annals of the Entomological "
      "Society of America 98: 475-482.",
      "Chi, H. and H. Y. Su. 2006. Age-stage, two-sex life tables of Aphidius gifuensis (Ashmead) "
      "(Hymenoptera: Braconidae) and its host Myzus persicae (Sulzer) (Homoptera: Aphididae) with "
      "mathematical proof of the relationship between female fecundity and the net reproductive rate. "
      "Environmental Entomology 35: 10-21.",
      "Huang, Y. B. and H. Chi. 2012. Age-stage, two-sex life tables of Bactrocera cucurbitae (Coquillett) "
      "(Diptera: Tephritidae) with a discussion on the problem of applying female age-specific life tables "
      "to insect populations. Insect Science 19: 263-273.",
      "Yu, J. Z., H. Chi and B. H. Chen. 2013. Comparison of the life tables and predation rates of Harmonia "
      "dimidiata (F.) (Coleoptera: Coccinellidae) fed on Aphis gossypii Glover (Hemiptera: Aphididae) at "
      "different temperatures. Biological Control 64: 1-9.",
  };
  return list;
}

}  // namespace vorelan
