// ExperimentosUnit
